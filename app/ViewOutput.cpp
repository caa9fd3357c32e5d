#include "app/ViewOutput.h"

#include "common/CommandTable.h"
#include "app/MainFrm.h"
#include "app/FramePanelHost.h"
#include "panel/MainOperPanlView.h"
#include "platform/Prompter.h"
#include "platform/Sound.h"
#include "app/SceneCommandLink.h"

#include <QMessageBox>

void CViewOutput::Status(const std::string& text)
{
    m_frame.setStatusText(1, QString::fromStdString(text));
}

void CViewOutput::ShowPosition(double x, double z)
{
    if (CMainOperPanlView* panel = OperatorPanel(m_frame))
        panel->ShowPosition(x, z);
}

void CViewOutput::PlaySound(const std::string& relativePath)
{
    m_frame.services().sound.Play(relativePath);
}

// The box stays open while the scene goes on drawing.
void CViewOutput::Warn(int, const std::string& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon,
                                QString::fromUtf8(Commands::kAppTitle.data()),
                                QString::fromStdString(text), QMessageBox::Ok, &m_view);
    box->setObjectName("warningBox");
    box->setModal(false);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void CViewOutput::Message(const std::string& text)
{
    m_frame.services().prompter.Tell(text);
}

void CViewOutput::StatementStarted(int lineNumber)
{
    FollowStatement(m_frame, lineNumber);
}
