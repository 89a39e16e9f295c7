#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QValidator>
#include <QWidget>

#include <cmath>
#include <vector>

#include "platform/qt/folder_dialog.h"

namespace platform::qt {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// The layout is drawn for these faces; Debian's IPA Gothic faces stand in.
QFont window_font() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(12);
    return font;
}

QFont fixed_font() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPixelSize(16);
    font.setFixedPitch(true);
    return font;
}

// At most two characters typed; a longer text set by the program stays whole.
class TwoCharacters final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return input.size() <= 2 ? Acceptable : Invalid; }
};

class QtEdit final : public EditBox {
public:
    explicit QtEdit(QLineEdit* edit) : edit_(edit) {}
    std::string text() const override { return edit_->text().toStdString(); }
    void set_text(const std::string& text) override { edit_->setText(q(text)); }

private:
    QLineEdit* edit_;
};

class QtCheck final : public CheckBox {
public:
    explicit QtCheck(QCheckBox* box) : box_(box) {}
    bool checked() const override { return box_->isChecked(); }
    void set_checked(bool checked) override { box_->setChecked(checked); }

private:
    QCheckBox* box_;
};

}  // namespace

class MainWidget final : public QWidget {
public:
    MainWidget() : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
        setFont(window_font());
        scale_ = QFontMetrics(font()).height() / 12.0;

        auto label = [this](const char* name, const char* caption, QRect r) {
            auto* l = place(new QLabel(QString::fromUtf8(caption), this), name, r);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setFont(fixed_font());
            l->setAutoFillBackground(true);
            QPalette p = l->palette();
            p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
            l->setPalette(p);
        };
        auto edit = [this](const char* name, QRect r, bool two_characters) {
            auto* e = place(new QLineEdit(this), name, r);
            e->setFont(fixed_font());
            if (two_characters) e->setValidator(new TwoCharacters(e));
            edits_.push_back(e);
            return e;
        };
        auto button = [this](const char* name, const char* caption, QRect r, int number, bool fixed) {
            auto* b = place(new QPushButton(QString::fromUtf8(caption), this), name, r);
            if (fixed) b->setFont(fixed_font());
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, number] {
                if (events_) events_->on_click(number);
            });
            return b;
        };

        label("Label3", "History:", {8, 72, 73, 25});
        label("Label4", "Day:", {176, 72, 41, 25});
        // Created in the tab order of the layout.
        QWidget* order[] = {
            edit("Edit1", {64, 8, 345, 24}, false),
            edit("Edit2", {64, 40, 345, 24}, false),
            edit("Edit3", {88, 72, 25, 24}, true),
            button("Button2", "<", {120, 72, 17, 25}, 2, false),
            button("Button3", ">", {144, 72, 17, 25}, 3, false),
            edit("Edit4", {224, 72, 25, 24}, true),
            button("Button4", "<", {256, 72, 17, 25}, 4, false),
            button("Button5", ">", {280, 72, 17, 25}, 5, false),
            button("Button6", "Save", {416, 56, 65, 41}, 6, false),
            check_ = place(new QCheckBox(QStringLiteral("BackUp Log"), this), "CheckBox1", {304, 72, 105, 25}),
            button("Button7", "From:", {8, 8, 49, 25}, 7, true),
            button("Button8", "To:", {8, 40, 49, 25}, 8, true),
            button("Button9", "BackUp", {416, 8, 65, 41}, 9, false),
        };
        check_->setFont(fixed_font());
        check_->setAutoFillBackground(true);
        QPalette p = check_->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        check_->setPalette(p);
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

        // Outer bounds 222, 128, 495 x 131 with the frame the layout was drawn
        // with (4 pixels each side, a 19-pixel caption).
        move(scaled(222), scaled(128));
        resize(scaled(495 - 8), scaled(131 - 8 - 23));
        for (auto* e : edits_) edit_boxes_.emplace_back(e);
        check_box_ = QtCheck(check_);
    }

    void attach(WindowEvents& events) { events_ = &events; }
    double scale() const { return scale_; }
    EditBox& edit(int number) { return edit_boxes_.at(static_cast<std::size_t>(number - 1)); }
    CheckBox& check_box() { return check_box_; }

protected:
    bool event(QEvent* e) override {
        const bool result = QWidget::event(e);
        if (e->type() == QEvent::WindowActivate && !activated_) {
            activated_ = true;
            edits_.front()->setFocus();
            if (events_) events_->on_first_activation();
        }
        return result;
    }

private:
    int scaled(int pixels) const { return static_cast<int>(std::lround(pixels * scale_)); }

    template <typename W>
    W* place(W* widget, const char* name, QRect r) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
        return widget;
    }

    double scale_ = 1.0;
    WindowEvents* events_ = nullptr;
    bool activated_ = false;
    std::vector<QLineEdit*> edits_;
    QCheckBox* check_ = nullptr;
    std::vector<QtEdit> edit_boxes_;
    QtCheck check_box_{nullptr};
};

QtWindow::QtWindow(int show_value) : show_value_(show_value), widget_(std::make_unique<MainWidget>()) {}

QtWindow::~QtWindow() = default;

void QtWindow::attach(WindowEvents& events) { widget_->attach(events); }

void QtWindow::start() {
    MainWidget* w = widget_.get();
    switch (show_value_) {
    case kShowMinimizedNoActivate: w->showMinimized(); return;
    case kShowMaximized: w->showMaximized(); break;
    default: w->show(); break;
    }
    QTimer::singleShot(0, w, [w] {
        w->raise();
        w->activateWindow();
    });
}

QWidget* QtWindow::widget() { return widget_.get(); }
double QtWindow::scale() const { return widget_->scale(); }
void QtWindow::set_error_box(ErrorBox box) { error_box_ = std::move(box); }

EditBox& QtWindow::edit(int number) { return widget_->edit(number); }
CheckBox& QtWindow::check_box() { return widget_->check_box(); }
void QtWindow::set_title(const std::string& title) { widget_->setWindowTitle(q(title)); }

void QtWindow::request_close() {
    // Queued: the caller runs on to its end; the loop closes the window after.
    QMetaObject::invokeMethod(widget_.get(), &QWidget::close, Qt::QueuedConnection);
}

void QtWindow::minimize_application() { widget_->showMinimized(); }

void QtWindow::show_error(const std::string& caption, const std::string& text) {
    if (error_box_) {
        error_box_(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, q(caption), q(text), QMessageBox::Ok, widget_.get());
    box.exec();
}

bool QtWindow::shift_down() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

std::optional<std::string> QtWindow::select_directory(const std::string& start) {
    FolderDialog dialog(start, widget_.get());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.path().toStdString();
}

}  // namespace platform::qt
