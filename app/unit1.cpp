#include "app/unit1.h"

#include "app/stepper.h"
#include "backup/folder_pair.h"
#include "backup/run.h"
#include "backup/tree_copy.h"
#include "settings/convert.h"
#include "settings/format.h"

settings::Settings BackupSettings;
std::string ExeDir;
int FileCount = 0;

TForm1::TForm1(platform::WindowHost& host, const platform::Clock& clock, const platform::LocaleFormats& locale,
               std::string program_file)
    : Edit1(host.edit(1)),
      Edit2(host.edit(2)),
      Edit3(host.edit(3)),
      Edit4(host.edit(4)),
      CheckBox1(host.check_box()),
      host_(host),
      clock_(clock),
      locale_(locale),
      program_file_(std::move(program_file)) {
    // The layout's initial values.
    Edit1.set_text("");
    Edit2.set_text("");
    Edit3.set_text("07");
    Edit4.set_text("32");
    CheckBox1.set_checked(true);
}

void TForm1::FormCreate() { host_.set_title(kTitle); }

void TForm1::FormActivate() {
    ExeDir = program_file_.substr(0, program_file_.rfind('/') + 1);
    waiting_reason_.clear();
    if (const std::string path = settings::find_settings_file(ExeDir); !path.empty()) {
        settings::load(BackupSettings, path);
        Edit1.set_text(BackupSettings.FromDir);
        Edit2.set_text(BackupSettings.ToDir);
        Edit3.set_text(settings::format_int(BackupSettings.History, 0, 2));
        Edit4.set_text(settings::format_int(BackupSettings.Day, 2));
        CheckBox1.set_checked(BackupSettings.BackUpLog == 1);

        if (host_.shift_down()) {
            waiting_reason_ = "Shift is held down";
        } else if (BackupSettings.FromDir.empty()) {
            waiting_reason_ = "no source folder is set";
        } else if (BackupSettings.ToDir.empty()) {
            waiting_reason_ = "no destination folder is set";
        } else if (!backup::is_valid_pair(BackupSettings.FromDir, BackupSettings.ToDir)) {
            waiting_reason_ = "the source folder's name stands inside the destination folder's";
        } else {
            const int show = host_.startup_show_value();
            if (show == platform::kShowMinimized || show == platform::kShowMinimizedNoActivate)
                host_.minimize_application();
            Button1Click();
        }
    } else {
        waiting_reason_ = "no settings file";
    }
    if (BackupSettings.ToDir.empty()) {
        BackupSettings.ToDir = ExeDir + "Backup";
        Edit2.set_text(BackupSettings.ToDir);
    }
}

void TForm1::Button1Click() {
    backup::run({BackupSettings, Edit1.text(), Edit2.text(), clock_, locale_, ExeDir, FileCount,
                 [this] { host_.request_close(); }});
}

void TForm1::step(platform::EditBox& edit, int (*rule)(int), int width, int precision) {
    edit.set_text(settings::format_int(rule(settings::str_to_int(edit.text())), width, precision));
}

void TForm1::Button2Click() { step(Edit3, stepper::history_down, 0, 2); }
void TForm1::Button3Click() { step(Edit3, stepper::history_up, 0, 2); }
void TForm1::Button4Click() { step(Edit4, stepper::day_down, 2, 0); }
void TForm1::Button5Click() { step(Edit4, stepper::day_up, 2, 0); }

void TForm1::Button6Click() {
    settings::save(BackupSettings, {Edit1.text(), Edit2.text(), Edit3.text(), Edit4.text(), CheckBox1.checked()},
                   ExeDir, clock_, locale_);
}

void TForm1::Button7Click() {
    if (const auto picked = host_.select_directory(BackupSettings.FromDir)) {
        BackupSettings.FromDir = *picked;
        Edit1.set_text(*picked);
    }
}

void TForm1::Button8Click() {
    if (const auto picked = host_.select_directory(BackupSettings.ToDir)) {
        BackupSettings.ToDir = *picked;
        Edit2.set_text(*picked);
    }
}

void TForm1::Button9Click() {
    Button6Click();
    Button1Click();
}

void TForm1::copy_sub(const std::string& src, const std::string& dst) { backup::copy_sub(src, dst, FileCount); }

void TForm1::handle(void (TForm1::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& e) {
        host_.show_error(application_title(program_file_), error_box_text(e.what()));
    }
}

void TForm1::on_first_activation() { handle(&TForm1::FormActivate); }

void TForm1::on_click(int button) {
    static constexpr void (TForm1::*kHandlers[])() = {
        &TForm1::Button2Click, &TForm1::Button3Click, &TForm1::Button4Click, &TForm1::Button5Click,
        &TForm1::Button6Click, &TForm1::Button7Click, &TForm1::Button8Click, &TForm1::Button9Click,
    };
    if (button >= 2 && button <= 9) handle(kHandlers[button - 2]);
}

std::string application_title(const std::string& program_file) {
    std::string name = program_file.substr(program_file.rfind('/') + 1);
    if (const auto dot = name.find('.'); dot != std::string::npos) name.resize(dot);
    for (std::size_t i = 1; i < name.size(); ++i)
        if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}

std::string error_box_text(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}
