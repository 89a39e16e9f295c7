#include "platform/qt/folder_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

namespace platform::qt {
namespace {

QLabel* buddy_label(const char* caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

QString start_folder_for(const std::string& start) {
    const QString path = QString::fromStdString(start);
    if (path.isEmpty() || QDir::isRelativePath(path)) return QDir::currentPath();
    // The nearest folder at or above the start that can be opened.
    QString folder = QDir::cleanPath(path);
    while (folder != QStringLiteral("/") && !(QFileInfo(folder).isDir() && QFileInfo(folder).isReadable()))
        folder = QFileInfo(folder).path();
    return folder;
}

FolderDialog::FolderDialog(const std::string& start, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("ﾃﾞｨﾚｸﾄﾘの選択"));

    path_field_ = new QLineEdit(this);
    path_field_->setObjectName(QStringLiteral("path"));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setRootPath(QStringLiteral("/"));
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("folders"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("files"));
    files_->setEnabled(false);  // shown greyed: only folders are picked here

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("drives"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) drives_->addItem(volume.rootPath());

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(buddy_label("ﾃﾞｨﾚｸﾄﾘ名(&N):", path_field_, this), 0, 0, 1, 2);
    grid->addWidget(path_field_, 1, 0, 1, 2);
    grid->addWidget(buddy_label("ﾃﾞｨﾚｸﾄﾘ(&D):", tree_, this), 2, 0);
    grid->addWidget(buddy_label("ﾌｧｲﾙ(&F): (*.*)", files_, this), 2, 1);
    grid->addWidget(tree_, 3, 0);
    grid->addWidget(files_, 3, 1);
    grid->addWidget(buddy_label("ﾄﾞﾗｲﾌﾞ(&R):", drives_, this), 4, 0);
    grid->addWidget(drives_, 5, 0);
    grid->addWidget(buttons, 5, 1);
    resize(520, 380);

    connect(tree_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { show_folder(model_->filePath(index)); });
    connect(drives_, &QComboBox::activated, this, [this](int i) { show_folder(drives_->itemText(i)); });

    // The model reads folders in the background: follow the shown one as it arrives.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (shown_.startsWith(loaded)) reveal_shown_folder();
    });
    // Sorting the loaded rows moves them after the scroll.
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { tree_->scrollTo(tree_->currentIndex()); });

    show_folder(start_folder_for(start));
}

void FolderDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Scrolling needs the laid-out view.
    QTimer::singleShot(0, this, [this] { reveal_shown_folder(); });
}

void FolderDialog::reveal_shown_folder() {
    const QModelIndex index = model_->index(shown_);
    if (!index.isValid()) return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) tree_->expand(parent);
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index);
}

QString FolderDialog::path() const { return path_field_->text(); }

void FolderDialog::show_folder(const QString& folder) {
    shown_ = folder;
    path_field_->setText(folder);
    reveal_shown_folder();
    files_->clear();
    files_->addItems(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name));
    for (int i = 0; i < drives_->count(); ++i)
        if (folder.startsWith(drives_->itemText(i))) drives_->setCurrentIndex(i);  // the longest root wins
}

}  // namespace platform::qt
