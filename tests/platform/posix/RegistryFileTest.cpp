#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/AtomicFileTesting.h"
#include "platform/FileErrors.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"
#include "platform/posix/RegFileDocument.h"
#include "platform/posix/RegistryFile.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

using Status = Registry::Status;
using testing::ScopedConfigHome;
using testing::TempDir;

constexpr std::string_view kStoreKey = "Software\\t-velka\\Zarnet";
const std::string kEmptyStore =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet]\r\n\r\n";

std::string Sz(std::string_view text) {
    return std::string(text) + '\0';
}

// One save of one value as the store makes it; no test assertions, so that
// child processes can use it too.
bool SaveValue(const std::string& path, std::string_view section, std::string_view name,
               std::string_view text) {
    auto registry = OpenRegistryFile(path);
    Registry::Key store{};
    Registry::Key subkey{};
    if (registry->CreateKey(Registry::kCurrentUser, kStoreKey, store) != Status::Ok) {
        return false;
    }
    bool saved = registry->CreateKey(store, section, subkey) == Status::Ok;
    if (saved) {
        saved = registry->SetStringValue(subkey, name, text) == Status::Ok;
        registry->CloseKey(subkey);
    }
    try {
        registry->CloseKey(store);
    } catch (const ZarnetError&) {
        saved = false;
    }
    return saved;
}

std::optional<Registry::Value> ReadValue(const std::string& path, std::string_view section,
                                         std::string_view name) {
    auto registry = OpenRegistryFile(path);
    Registry::Key key{};
    if (registry->OpenKey(Registry::kCurrentUser,
                          std::string(kStoreKey) + "\\" + std::string(section),
                          key) != Status::Ok) {
        return std::nullopt;
    }
    Registry::Value value;
    const Status status = registry->QueryValue(key, name, value);
    registry->CloseKey(key);
    return status == Status::Ok ? std::optional(value) : std::nullopt;
}

class RegistryFileTest : public ::testing::Test {
  protected:
    std::string Path() const { return dir.File("zarnet/registry.reg"); }
    bool Exists(std::string_view name) const { return std::filesystem::exists(dir.File(name)); }
    void WriteFile(std::string_view bytes) const {
        std::filesystem::create_directories(dir.File("zarnet"));
        dir.Write("zarnet/registry.reg", bytes);
    }
    std::string FileText() const { return dir.Read("zarnet/registry.reg"); }

    TempDir dir;
};

TEST_F(RegistryFileTest, OpeningAMissingKeyCreatesNothing) {
    const std::vector<std::optional<std::string>> files = {
        std::nullopt, "", "REGEDIT4\r\n", kEmptyStore,
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL1]\r\n\"Dir\"=\"x\"\r\n"};
    for (const auto& file : files) {
        std::filesystem::remove(Path());
        if (file) {
            WriteFile(*file);
        }
        auto registry = OpenRegistryFile(Path());
        Registry::Key key{};
        EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, "Software\\t-velka\\Zarnet\\URL0", key),
                  Status::NotFound);
        registry.reset();
        if (file) {
            EXPECT_EQ(FileText(), *file);
        } else {
            EXPECT_FALSE(Exists("zarnet/registry.reg"));
        }
    }
}

TEST_F(RegistryFileTest, CreatingAKeyCreatesTheKeysOnItsWay) {
    auto registry = OpenRegistryFile(Path());
    Registry::Key store{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    registry->CloseKey(store);
    EXPECT_EQ(FileText(), kEmptyStore);

    for (const char* path : {"Software", "software\\T-VELKA", "SOFTWARE\\t-velka\\zarnet", ""}) {
        Registry::Key key{};
        EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, path, key), Status::Ok) << path;
        registry->CloseKey(key);
    }
    Registry::Key key{};
    EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, "Software\\t-velka\\Zarnet\\URL0", key),
              Status::NotFound);
    EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, "Soft", key), Status::NotFound);
}

TEST_F(RegistryFileTest, StringsComeBackWithTheirZeroByte) {
    // Code page 932 texts: ソ and 表 end in a backslash byte.
    const std::vector<std::string> texts = {"",
                                            "http://host/%%/",
                                            "C:\\photos\\",
                                            "say \"hi\"",
                                            "\x83\x5C\x95\x5C",
                                            "\x95\x5C\"\\",
                                            "\x82\xa0 \xb1"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_TRUE(SaveValue(Path(), "URL" + std::to_string(i), "Dir", texts[i]));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto value = ReadValue(Path(), "url" + std::to_string(i), "DIR");
        ASSERT_TRUE(value.has_value()) << texts[i];
        EXPECT_EQ(value->Type, Registry::kSz);
        EXPECT_EQ(value->Data, Sz(texts[i]));
    }
}

TEST_F(RegistryFileTest, SettingAValueAgainKeepsOneLineAndItsNameCase) {
    ASSERT_TRUE(SaveValue(Path(), "URL0", "Dir", "a"));
    ASSERT_TRUE(SaveValue(Path(), "url0", "DIR", "b"));
    EXPECT_EQ(FileText(), kEmptyStore.substr(0, kEmptyStore.size() - 2) +
                              "\r\n[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0]\r\n"
                              "\"Dir\"=\"b\"\r\n\r\n");
}

TEST_F(RegistryFileTest, WritesBackWhenTheLastKeyClosesAndOnlyIfSomethingChanged) {
    auto registry = OpenRegistryFile(Path());
    Registry::Key store{};
    Registry::Key subkey{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    ASSERT_EQ(registry->CreateKey(store, "URL0", subkey), Status::Ok);
    ASSERT_EQ(registry->SetStringValue(subkey, "Dir", "x"), Status::Ok);
    registry->CloseKey(subkey);
    EXPECT_FALSE(Exists("zarnet/registry.reg"));
    registry->CloseKey(store);
    EXPECT_EQ(ReadValue(Path(), "URL0", "Dir")->Data, Sz("x"));

    // Written by hand: a save that sets what is there already leaves it alone.
    const std::string byHand =
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0]\r\n\"Dir\" = \"x\"\r\n";
    WriteFile(byHand);
    ASSERT_TRUE(SaveValue(Path(), "URL0", "Dir", "x"));
    EXPECT_EQ(FileText(), byHand);
}

TEST_F(RegistryFileTest, FileThatIsNoRegistryIsMovedAsideAndKept) {
    struct Case {
        std::vector<std::string> earlier;  // files moved aside before
        std::string movedTo;
    };
    const std::vector<Case> cases = {
        {{}, "zarnet/registry.reg.bad"},
        {{"zarnet/registry.reg.bad"}, "zarnet/registry.reg.bad.1"},
        {{"zarnet/registry.reg.bad", "zarnet/registry.reg.bad.1"}, "zarnet/registry.reg.bad.2"},
    };
    const std::string foreign =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n";
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir.File("zarnet"));
        WriteFile(foreign);
        for (const std::string& earlier : c.earlier) {
            dir.Write(earlier, "earlier " + earlier);
        }
        ASSERT_TRUE(SaveValue(Path(), "URL0", "Dir", "x"));
        EXPECT_EQ(dir.Read(c.movedTo), foreign);
        for (const std::string& earlier : c.earlier) {
            EXPECT_EQ(dir.Read(earlier), "earlier " + earlier);
        }
        EXPECT_EQ(ReadValue(Path(), "URL0", "Dir")->Data, Sz("x"));
    }

    // The user hears of it once, with both names.
    WriteFile(foreign);
    auto registry = OpenRegistryFile(Path());
    Registry::Key store{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    registry->CloseKey(store);
    const std::string notice = registry->TakeNotice();
    EXPECT_NE(notice.find(Path() + " "), std::string::npos) << notice;
    EXPECT_NE(notice.find(Path() + ".bad.3 "), std::string::npos) << notice;
    EXPECT_EQ(registry->TakeNotice(), "");
}

TEST_F(RegistryFileTest, RegistryThatCannotBeReachedFailsToOpen) {
    dir.Write("file", "x");
    std::filesystem::create_directories(dir.File("folder/registry.reg"));
    for (const std::string& path :
         {dir.File("file/registry.reg"), dir.File("folder/registry.reg")}) {
        auto registry = OpenRegistryFile(path);
        Registry::Key key{};
        EXPECT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, key), Status::Failed);
        EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, kStoreKey, key), Status::Failed);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder/registry.reg")));
    EXPECT_FALSE(Exists("folder/registry.reg.bad"));
}

TEST_F(RegistryFileTest, KeysThatAreNotOpenFail) {
    auto registry = OpenRegistryFile(Path());
    Registry::Key store{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    Registry::Key closed{};
    ASSERT_EQ(registry->CreateKey(store, "URL0", closed), Status::Ok);
    registry->CloseKey(closed);
    Registry::Value value;
    Registry::Key key{};
    EXPECT_EQ(registry->QueryValue(closed, "Dir", value), Status::Failed);
    EXPECT_EQ(registry->SetStringValue(closed, "Dir", "x"), Status::Failed);
    EXPECT_EQ(registry->CreateKey(closed, "Sub", key), Status::Failed);
    EXPECT_EQ(registry->CreateKey(store, "a\\\\b", key), Status::Failed);
    EXPECT_EQ(registry->SetStringValue(store, "line\nbreak", "x"), Status::Failed);
    registry->CloseKey(closed);  // twice: no harm
    registry->CloseKey(store);
    EXPECT_EQ(FileText(),
              kEmptyStore + "[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0]\r\n\r\n");
}

TEST_F(RegistryFileTest, FailedWriteBackIsReportedByTheLastCloseAndKeepsTheOldFile) {
    ASSERT_TRUE(SaveValue(Path(), "URL0", "Dir", "old"));
    const std::string old = FileText();
    auto registry = OpenRegistryFile(Path());
    Registry::Key store{};
    Registry::Key subkey{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    ASSERT_EQ(registry->CreateKey(store, "URL0", subkey), Status::Ok);
    ASSERT_EQ(registry->SetStringValue(subkey, "Dir", "new"), Status::Ok);
    registry->CloseKey(subkey);

    // The folder goes away and a file takes its place: no writing there, even as root.
    std::filesystem::rename(dir.File("zarnet"), dir.File("moved"));
    dir.Write("zarnet", "in the way");
    try {
        registry->CloseKey(store);
        ADD_FAILURE() << "no error";
    } catch (const ZarnetError& error) {
        EXPECT_EQ(std::string(error.what()), "ファイル " + Path() + " を作成できません");
    }
    EXPECT_EQ(dir.Read("moved/registry.reg"), old);

    // The key is closed and the lock gone all the same.
    std::filesystem::remove(dir.File("zarnet"));
    std::filesystem::rename(dir.File("moved"), dir.File("zarnet"));
    Registry::Value value;
    EXPECT_EQ(registry->QueryValue(store, "Dir", value), Status::Failed);
    EXPECT_EQ(ReadValue(Path(), "URL0", "Dir")->Data, Sz("old"));
}

TEST_F(RegistryFileTest, TwoProcessesSavingAtOnceLoseNothing) {
    constexpr int kSaves = 25;
    const std::string padding(4000, 'p');
    std::vector<pid_t> children;
    for (const std::string prefix : {"A", "B"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool saved = true;
            for (int i = 0; i < kSaves && saved; ++i) {
                saved = SaveValue(Path(), "URL0", prefix + std::to_string(i), padding);
            }
            _exit(saved ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto document = RegFileDocument::Parse(FileText());
    ASSERT_TRUE(document.has_value());
    const RegFileDocument::KeyPath url0{"Software", "t-velka", "Zarnet", "URL0"};
    for (const std::string prefix : {"A", "B"}) {
        for (int i = 0; i < kSaves; ++i) {
            const Registry::Value* value = document->FindValue(url0, prefix + std::to_string(i));
            ASSERT_NE(value, nullptr) << prefix << i;
            EXPECT_EQ(value->Data, Sz(padding));
        }
    }
}

int crashAtStep = 0;
int stepsTaken = 0;
constexpr int kCrashed = 42;

void CrashAtStep(const char*) {
    if (++stepsTaken == crashAtStep) {
        _exit(kCrashed);
    }
}

TEST_F(RegistryFileTest, CrashAtAnyStepOfTheWriteLeavesTheOldFileOrTheNew) {
    ASSERT_TRUE(SaveValue(Path(), "Last", "Dir", "old"));
    const std::string old = FileText();
    // Larger than one write chunk, so the write takes several steps.
    const std::string big(100 * 1024, 'n');
    for (int step = 1;; ++step) {
        ASSERT_LT(step, 20) << "the write never ends";
        WriteFile(old);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            crashAtStep = step;
            SetReplaceStepHookForTesting(CrashAtStep);
            _exit(SaveValue(Path(), "Last", "Dir", big) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        const auto value = ReadValue(Path(), "Last", "Dir");
        ASSERT_TRUE(value.has_value()) << "step " << step;
        if (WEXITSTATUS(status) == 0) {
            EXPECT_EQ(value->Data, Sz(big));
            break;
        }
        ASSERT_EQ(WEXITSTATUS(status), kCrashed);
        EXPECT_TRUE(value->Data == Sz("old") || value->Data == Sz(big)) << "step " << step;
    }
}

// Read-only, the registry leaves everything as it was: no folder, no lock
// file, no moving aside, no writing; what it cannot read fails to open.
TEST_F(RegistryFileTest, ReadOnlyRegistryChangesNothing) {
    struct Case {
        const char* name;
        std::optional<std::string> file;  // none: no file; "<folder>": a folder
        Status opened;
        const char* detail;  // what FailureDetail() holds after the name
    };
    const Case cases[] = {
        {"missing", std::nullopt, Status::NotFound, ""},
        {"folder", "<folder>", Status::Failed, ": Is a directory"},
        {"foreign", "Windows Registry Editor Version 5.00\r\n", Status::Failed,
         ": not a registry file"},
        {"registry",
         kEmptyStore + "[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\Last]\r\n"
                       "\"Dir\"=\"kept\"\r\n",
         Status::Ok, ""},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.File("zarnet"));
        if (c.file == "<folder>") {
            std::filesystem::create_directories(Path());
        } else if (c.file) {
            WriteFile(*c.file);
        }
        auto registry = OpenRegistryFile(Path(), RegistryAccess::ReadOnly);
        Registry::Key key{};
        EXPECT_EQ(registry->OpenKey(Registry::kCurrentUser, std::string(kStoreKey) + "\\Last", key),
                  c.opened)
            << c.name;
        if (c.opened == Status::Failed) {
            EXPECT_EQ(registry->FailureDetail(), Path() + c.detail) << c.name;
        }
        if (c.opened == Status::Ok) {
            Registry::Value value;
            EXPECT_EQ(registry->QueryValue(key, "Dir", value), Status::Ok);
            EXPECT_EQ(value.Data, Sz("kept"));
            Registry::Key created{};
            EXPECT_EQ(registry->CreateKey(key, "New", created), Status::Failed);
            EXPECT_EQ(registry->SetStringValue(key, "Dir", "changed"), Status::Failed);
            registry->CloseKey(key);
        }
        registry.reset();
        if (!c.file) {
            EXPECT_FALSE(Exists("zarnet")) << c.name;
        } else if (c.file != "<folder>") {
            EXPECT_EQ(FileText(), *c.file) << c.name;
        }
        EXPECT_FALSE(Exists("zarnet/registry.reg.lock")) << c.name;
        EXPECT_FALSE(Exists("zarnet/registry.reg.bad")) << c.name;
    }
}

// Reading needs no lock; a save without one fails, naming the lock and why,
// and leaves the file as it was.
TEST_F(RegistryFileTest, LockThatCannotBeHadLeavesTheRegistryReadable) {
    struct Case {
        const char* name;
        std::function<void()> blockLock;  // returns with the lock out of reach
        const char* reason;
    };
    int heldFd = -1;
    const Case cases[] = {
        // A lock file where none can be created, even by root: a link into a
        // folder that does not exist.
        {"unreachable",
         [&] {
             std::filesystem::remove(Path() + ".lock");
             std::filesystem::create_symlink(dir.File("nowhere/lock"), Path() + ".lock");
         },
         "No such file or directory"},
        // Another program holds it: the wait ends after a few seconds.
        {"held",
         [&] {
             heldFd = open((Path() + ".lock").c_str(), O_RDWR | O_CREAT, 0666);
             ASSERT_EQ(flock(heldFd, LOCK_EX), 0);
         },
         "held by another program"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.File("zarnet"));
        ASSERT_TRUE(SaveValue(Path(), "Last", "Dir", "kept"));
        const std::string old = FileText();
        c.blockLock();
        EXPECT_EQ(ReadValue(Path(), "Last", "Dir")->Data, Sz("kept")) << c.name;

        auto registry = OpenRegistryFile(Path());
        Registry::Key store{};
        ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
        Registry::Key last{};
        ASSERT_EQ(registry->CreateKey(store, "Last", last), Status::Ok);
        ASSERT_EQ(registry->SetStringValue(last, "Dir", "lost"), Status::Ok);
        registry->CloseKey(last);
        try {
            registry->CloseKey(store);
            ADD_FAILURE() << c.name << ": the save passed without the lock";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "ファイル " + Path() + " を作成できません");
            EXPECT_EQ(error.Detail().rfind(Path() + ".lock: " + c.reason, 0), 0u) << error.Detail();
        }
        EXPECT_EQ(FileText(), old) << c.name;
        if (heldFd >= 0) {
            close(heldFd);
            heldFd = -1;
        }
    }
}

// A lock file the user may not write, left by another user, still locks.
TEST_F(RegistryFileTest, LockFileThatCannotBeWrittenStillLocks) {
    std::filesystem::create_directories(Path() + ".lock");  // no O_RDWR, even for root
    ASSERT_TRUE(SaveValue(Path(), "Last", "Dir", "saved"));
    EXPECT_EQ(ReadValue(Path(), "Last", "Dir")->Data, Sz("saved"));
}

TEST_F(RegistryFileTest, UserRegistryLivesInTheConfigurationFolder) {
    ScopedConfigHome home(dir.File("config"));
    auto registry = OpenUserRegistry();
    Registry::Key store{};
    ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey, store), Status::Ok);
    registry->CloseKey(store);
    EXPECT_EQ(dir.Read("config/zarnet/registry.reg"), kEmptyStore);
}

}  // namespace
}  // namespace zarnet
