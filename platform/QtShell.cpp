#include "platform/QtServices.h"

#include "platform/WindowRaise.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <csignal>
#include <sys/types.h>

namespace {

// Common desktop text editors, most likely first.
const char* const kEditors[] = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma",
    "xed", "featherpad", "leafpad", "geany", "xedit",
};

} // namespace

bool CQtShell::OpenDocument(const std::string& path)
{
    if (path.empty() || !QFileInfo::exists(QString::fromStdString(path)))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

QStringList CQtShell::EditorCandidates()
{
    QStringList candidates;
    QString chosen = qEnvironmentVariable("VELMORA_TEXT_EDITOR").trimmed();
    if (!chosen.isEmpty())
        candidates << chosen;
    for (const char* editor : kEditors)
        if (!QStandardPaths::findExecutable(QString::fromLatin1(editor)).isEmpty())
            candidates << QString::fromLatin1(editor);
    return candidates;
}

bool CQtShell::EditorRunning() const
{
    return m_editorPid > 0 && ::kill(static_cast<pid_t>(m_editorPid), 0) == 0;
}

// Where the desktop cannot raise another program's window (Wayland), the
// running editor stays where it is; a second one is still not started.
void CQtShell::BringEditorForward() const { RaiseWindowsOfProcess(m_editorPid); }

std::string CQtShell::TextEditorName() const
{
    const QStringList candidates = EditorCandidates();
    if (candidates.isEmpty())
        return {};
    const QStringList words = QProcess::splitCommand(candidates.front());
    return words.isEmpty() ? std::string() : QFileInfo(words.front()).fileName().toStdString();
}

bool CQtShell::LaunchTextEditor()
{
    if (EditorRunning()) {
        BringEditorForward();
        return true;
    }
    for (const QString& command : EditorCandidates()) {
        QStringList words = QProcess::splitCommand(command);
        if (words.isEmpty())
            continue;
        QString program = words.takeFirst();
        qint64 pid = 0;
        if (QProcess::startDetached(program, words, QString(), &pid)) {
            m_editorPid = pid;
            return true;
        }
    }
    m_editorPid = 0;
    return false;
}
