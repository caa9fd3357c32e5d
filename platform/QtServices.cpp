#include "platform/QtServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>

#ifndef VELMORA_DATA_DIR
#define VELMORA_DATA_DIR ""
#endif
#ifndef VELMORA_SOURCE_RESOURCES
#define VELMORA_SOURCE_RESOURCES ""
#endif

namespace {
const char* const kProgramFilter = "G代码文件 (*.txt)";
}

QWidget* CQtFileChooser::Parent() const
{
    return m_parent ? m_parent : QApplication::activeWindow();
}

CQtResourcePaths::CQtResourcePaths()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty())
        m_folders << QDir(appDir).absoluteFilePath("../share/velmora");
    m_folders << QString::fromUtf8(VELMORA_DATA_DIR) << QString::fromUtf8(VELMORA_SOURCE_RESOURCES);
    m_folders.removeAll(QString());
}

std::string CQtResourcePaths::Find(const std::string& relativePath) const
{
    const QString relative = QString::fromStdString(relativePath);
    QStringList candidates{QDir::current().absoluteFilePath(relative)};
    for (const QString& folder : m_folders)
        candidates << QDir(folder).absoluteFilePath(relative);
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate).toStdString();
    return {};
}

void CQtKeyTyper::TypeChar(char ch, bool withShift)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    const QString text(QChar::fromLatin1(ch));
    const int key = text.toUpper().at(0).unicode();
    const Qt::KeyboardModifiers modifiers = withShift ? Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

CQtSoundPlayer::CQtSoundPlayer(const CResourcePaths& paths) : m_paths(paths) {}

CQtSoundPlayer::~CQtSoundPlayer() = default;

void CQtSoundPlayer::Play(const std::string& relativePath)
{
    auto& effect = m_effects[relativePath];
    if (!effect) {
        const std::string path = m_paths.Find(relativePath);
        if (path.empty())
            return;
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    effect->play();
}

std::optional<std::string> CQtFileChooser::ChooseOpen()
{
    QFileDialog dialog(Parent(), QString(), QString(), QString::fromUtf8(kProgramFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> CQtFileChooser::ChooseSave(const std::string& folder,
                                                      const std::string& name)
{
    const QString start = folder.empty() ? QDir::currentPath() : QString::fromStdString(folder);
    QFileDialog dialog(Parent(), QString(), start, QString::fromUtf8(kProgramFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> CQtFileChooser::ChooseExport(const std::string& name,
                                                        const std::string& filter)
{
    QFileDialog dialog(Parent(), QString(), QDir::currentPath(), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}
