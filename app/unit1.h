#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/window.h"
#include "settings/settings.h"

// The program-wide values: the stored settings, the program's folder (ending
// in "/") and the files handed to the copy in the current pass.
extern settings::Settings BackupSettings;
extern std::string ExeDir;
extern int FileCount;

// The main window's logic, free of any toolkit: it reads and sets its
// controls and asks for services through the host.
class TForm1 final : public platform::WindowEvents {
public:
    static constexpr char kTitle[] = "Quillan BackUp(Tarvo)  Ver1.0  Since:2004/05/03  By:Orvendel";

    // program_file: the program's own full file name.
    TForm1(platform::WindowHost& host, const platform::Clock& clock, const platform::LocaleFormats& locale,
           std::string program_file);

    void FormCreate();
    void FormActivate();
    void Button1Click();  // the backup run
    void Button2Click();  // History "<"
    void Button3Click();  // History ">"
    void Button4Click();  // Day "<"
    void Button5Click();  // Day ">"
    void Button6Click();  // Save
    void Button7Click();  // From:
    void Button8Click();  // To:
    void Button9Click();  // BackUp: Save, then the backup run
    void copy_sub(const std::string& src, const std::string& dst);

    // Runs a handler. An error it raises stops it and is shown in the error
    // box; it never reaches the toolkit's event loop.
    void handle(void (TForm1::*handler)());

    void on_first_activation() override;
    void on_click(int button) override;

    // Why the first activation left the window waiting instead of backing up;
    // empty when it did not.
    const std::string& waiting_reason() const { return waiting_reason_; }

    platform::EditBox& Edit1;
    platform::EditBox& Edit2;
    platform::EditBox& Edit3;
    platform::EditBox& Edit4;
    platform::CheckBox& CheckBox1;

private:
    void step(platform::EditBox& edit, int (*rule)(int), int width, int precision);

    platform::WindowHost& host_;
    const platform::Clock& clock_;
    const platform::LocaleFormats& locale_;
    std::string program_file_;
    std::string waiting_reason_;
};

// The application title: the program file's name without its folder, cut at
// its first ".", every character after the first in lower case.
std::string application_title(const std::string& program_file);

// The error box's text: "." is added when the message's last byte is above ".".
std::string error_box_text(const std::string& message);
