#pragma once

#include <QString>

namespace vantaloop {

// Message-box style values: buttons, icon and default button, added together.
namespace MessageStyle {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Exclamation = 48;
inline constexpr int SecondButtonDefault = 256;
} // namespace MessageStyle

// The file dialogs the commands open: a list to open, a name to save the list as,
// and a list file that record mode appends to.
enum class FileChoice { OpenList, SaveList, RecordList };

// The questions and messages the commands put to the user. The widget layer answers
// with message boxes; tests answer with a script.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // True only when the user answered Yes. An empty title means "Vantaloop".
    virtual bool askYesNo(const QString &text, const QString &title, int style) = 0;
    virtual void showMessage(const QString &text, const QString &title, int style) = 0;
    // The full path chosen, starting in folder (the current folder when empty); empty
    // when the user cancelled.
    virtual QString chooseFile(FileChoice choice, const QString &folder) = 0;
};

} // namespace vantaloop
