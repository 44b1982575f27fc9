#pragma once

#include <QIcon>

// The pictures of the buttons and windows, drawn at run time. Qt derives the
// greyed look of a disabled button from them.
namespace zarnet::icons {

QIcon SaveFile();       // a floppy disk
QIcon WriteOutput();    // a page with an arrow into it
QIcon Clipboard();      // a clipboard
QIcon Preview();        // a magnifying glass over a page
QIcon Browser();        // a globe
QIcon CloseWindow();    // a red cross
QIcon Font();           // a letter A
QIcon MainWindow();     // a numbered list
QIcon PreviewWindow();  // a page of lines

}  // namespace zarnet::icons
