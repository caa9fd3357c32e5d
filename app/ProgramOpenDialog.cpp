#include "app/ProgramOpenDialog.h"

#include "program/FileNames.h"
#include "program/FolderListing.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

QString Shown(const std::string& bytes) { return QString::fromStdString(ShownFileName(bytes)); }

std::string Absolute(const fs::path& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal().string();
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool Exists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

QHBoxLayout* Row(const QString& caption, QWidget* field, QWidget* extra)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    label->setMinimumWidth(80);
    row->addWidget(label);
    row->addWidget(field, 1);
    row->addWidget(extra);
    return row;
}

} // namespace

CProgramOpenDialog::CProgramOpenDialog(const std::string& folder, QWidget* parent)
    : QDialog(parent), m_where(new QLineEdit), m_entries(new QListWidget), m_name(new QLineEdit),
      m_error(new QLabel)
{
    setWindowTitle(QStringLiteral("打开"));
    resize(560, 400);
    auto* up = new QToolButton;
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(QStringLiteral("上一级文件夹"));
    auto* open = new QPushButton(QStringLiteral("打开(&O)"));
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    // Return belongs to the field it is pressed in: the folder line goes
    // there, the name line opens.
    open->setAutoDefault(false);
    cancel->setAutoDefault(false);
    m_error->setStyleSheet(QStringLiteral("color: #b00020"));
    m_error->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Row(QStringLiteral("查找范围(&I):"), m_where, up));
    layout->addWidget(m_entries, 1);
    layout->addWidget(m_error);
    layout->addLayout(Row(QStringLiteral("文件名(&N):"), m_name, open));
    layout->addLayout(Row(QStringLiteral("文件类型:"), new QLabel(QStringLiteral("G代码文件 (*.txt)")), cancel));

    connect(up, &QToolButton::clicked, this, [this] { Enter(fs::path(m_folder).parent_path().string()); });
    connect(m_where, &QLineEdit::returnPressed, this, [this] { Enter(m_where->text().toStdString()); });
    connect(m_name, &QLineEdit::returnPressed, this, &CProgramOpenDialog::OpenTyped);
    connect(open, &QPushButton::clicked, this, &CProgramOpenDialog::OpenTyped);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_entries, &QListWidget::itemActivated, this, &CProgramOpenDialog::EntryChosen);
    connect(m_entries, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && !item->data(kFolderRole).toBool())
            m_name->setText(item->text());
    });
    Enter(folder.empty() ? fs::current_path().string() : folder);
    m_name->setFocus();
}

void CProgramOpenDialog::Enter(const std::string& folder)
{
    const std::string path = Absolute(PathOnDisk(folder));
    const SFolderListing listing = ListProgramFolder(path);
    if (!listing.error.empty() && !m_folder.empty()) {
        ShowError(listing.error);
        m_where->setText(Shown(m_folder));
        return;
    }
    m_folder = path;
    m_where->setText(Shown(path));
    ShowError(listing.error);
    m_entries->clear();
    for (const SFolderEntry& entry : listing.entries) {
        const QStyle::StandardPixmap icon = entry.folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon;
        auto* item = new QListWidgetItem(style()->standardIcon(icon), QString::fromStdString(entry.shown));
        item->setData(kNameRole, QByteArray::fromStdString(entry.name));
        item->setData(kFolderRole, entry.folder);
        m_entries->addItem(item);
    }
}

void CProgramOpenDialog::EntryChosen(QListWidgetItem* item)
{
    const std::string path = (fs::path(m_folder) / item->data(kNameRole).toByteArray().toStdString()).string();
    if (item->data(kFolderRole).toBool()) {
        Enter(path);
        return;
    }
    m_chosen = path;
    accept();
}

void CProgramOpenDialog::OpenTyped()
{
    const std::string typed = m_name->text().trimmed().toStdString();
    if (typed.empty()) {
        if (QListWidgetItem* item = m_entries->currentItem())
            EntryChosen(item);
        return;
    }
    for (int row = 0; row < m_entries->count(); ++row)
        if (m_entries->item(row)->text().toStdString() == typed) {
            EntryChosen(m_entries->item(row));
            return;
        }
    const fs::path asTyped(typed);
    std::string path = PathOnDisk(asTyped.is_absolute() ? typed : (fs::path(m_folder) / asTyped).string());
    if (!Exists(path) && !asTyped.has_extension() && Exists(PathOnDisk(path + ".txt")))
        path = PathOnDisk(path + ".txt");
    if (IsFolder(path)) {
        m_name->clear();
        Enter(path);
    } else if (Exists(path)) {
        m_chosen = Absolute(path);
        accept();
    } else {
        ShowError("找不到文件“" + typed + "”，请检查文件名是否正确。");
    }
}

void CProgramOpenDialog::ShowError(const std::string& text)
{
    m_error->setText(QString::fromStdString(text));
    m_error->setVisible(!text.empty());
}

std::optional<std::string> CAppFileChooser::ChooseOpen()
{
    CProgramOpenDialog dialog({}, Parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenPath();
}
