#include "app/VelmoraApp.h"

#include "common/CommandTable.h"
#include "app/MainFrm.h"
#include "app/ProgramOpenDialog.h"
#include "simulation/Machine.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QVBoxLayout>

CVelmoraApp::CVelmoraApp()
    : m_prompter(QString::fromUtf8(Commands::kAppTitle.data())),
      m_doc(m_prompter),
      m_machine(std::make_unique<CMachine>()),
      m_sound(m_paths),
      m_translator(std::make_unique<QTranslator>())
{
}

CVelmoraApp::~CVelmoraApp() = default;

void CVelmoraApp::LoadTranslations(QTranslator& translator)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

bool CVelmoraApp::InitInstance()
{
    QCoreApplication::setOrganizationName(kOrganisation);
    QCoreApplication::setApplicationName(kApplication);
    LoadTranslations(*m_translator);
    QApplication::setWindowIcon(QIcon(":/icons/velmora.svg"));
    m_files = std::make_unique<CAppFileChooser>(nullptr);
    SFrameServices services{m_doc, *m_machine, m_prompter, *m_files, m_shell, m_paths, m_keys, m_sound};
    m_frame = std::make_unique<CMainFrame>(services, this);
    m_frame->showMaximized();
    return true;
}

bool CVelmoraApp::ProcessCommandLine(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1))
        if (!argument.startsWith('-'))
            return m_frame->openProgramFile(argument.toStdString());
    return true;
}

bool CVelmoraApp::HandlesCommand(int id) const
{
    return id == Cmd::About || id == Cmd::FileNew;
}

void CVelmoraApp::OnCommand(int id)
{
    if (id == Cmd::About)
        ShowAbout();
    else if (id == Cmd::FileNew)
        NewDocument();
}

// The standard new document only gives the document its default title; the
// statements stay, and so does the modified flag that guards them.
void CVelmoraApp::NewDocument()
{
    const bool modified = m_doc.IsModified();
    m_doc.OnNewDocument();
    m_doc.SetModifiedFlag(modified);
    if (m_frame)
        m_frame->setWindowTitle(QString::fromStdString(m_doc.GetTitle()) + " - " +
                                QString::fromUtf8(Commands::kAppTitle.data()));
}

void CVelmoraApp::ShowAbout()
{
    QDialog about(m_frame.get());
    about.setWindowTitle(QStringLiteral("关于 Velmora"));
    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto* text = new QLabel(QStringLiteral("Velmora 1.0 版"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&about);
    layout->addLayout(row);
    layout->addWidget(buttons);
    about.exec();
}
