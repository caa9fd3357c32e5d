#include "platform/QtServices.h"

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

// Window managers raise a window for wmctrl or xdotool when either is there;
// without them the running editor simply stays where it is.
void CQtShell::BringEditorForward() const
{
    const QString pid = QString::number(m_editorPid);
    if (!QStandardPaths::findExecutable("xdotool").isEmpty())
        QProcess::startDetached("xdotool", {"search", "--pid", pid, "windowactivate"});
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
