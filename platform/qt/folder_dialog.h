#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QTreeView;

namespace platform::qt {

// The folder-selection dialog. It starts in `start` (the current directory
// when that is empty or relative, the nearest folder above it that can be
// opened when it cannot), accepts whatever is typed into its path field and
// creates nothing. It never moves the process's current directory.
class FolderDialog final : public QDialog {
public:
    explicit FolderDialog(const std::string& start, QWidget* parent = nullptr);

    // The path field's text, unchanged.
    QString path() const;
    // The folder the tree and the file list show.
    QString shown_folder() const { return shown_; }

    QLineEdit* path_field() const { return path_field_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void show_folder(const QString& folder);
    void reveal_shown_folder();

    QString shown_;
    QLineEdit* path_field_;
    QTreeView* tree_;
    QFileSystemModel* model_;
    QListWidget* files_;
    QComboBox* drives_;
};

// Where the dialog starts for a starting path.
QString start_folder_for(const std::string& start);

}  // namespace platform::qt
