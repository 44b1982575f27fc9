#include "platform/StandardOutput.h"

#include <ostream>

namespace zarnet {

std::streamsize StandardOutputBuffer::xsputn(const char* data, std::streamsize size) {
    return Put(data, static_cast<std::size_t>(size)) ? size : 0;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    return Put(&byte, 1) ? c : traits_type::eof();
}

std::string WriteFailureReason(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const StandardOutputBuffer*>(out.rdbuf());
    return buffer == nullptr ? std::string() : buffer->FailureReason();
}

}  // namespace zarnet
