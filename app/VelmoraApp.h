#pragma once
// The application object: owns the document, the desktop services and the
// main window, and takes the commands no pane or frame takes (about, the
// standard new document).
#include "common/CommandTarget.h"
#include "program/VelmoraDoc.h"
#include "platform/QtPrompter.h"
#include "platform/QtServices.h"

#include <QStringList>

#include <memory>

class CMainFrame;
struct CMachine;

class QTranslator;

class CVelmoraApp : public CCommandTarget {
public:
    static constexpr const char* kOrganisation = "Local AppWizard-Generated Applications";
    static constexpr const char* kApplication = "Velmora";

    CVelmoraApp();
    ~CVelmoraApp() override;

    // Settings, translations, the main window shown maximised. False when the
    // window could not be made.
    bool InitInstance();
    // A program file named on the command line is opened after start-up.
    bool ProcessCommandLine(const QStringList& arguments);
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CVelmoraDoc& Document() { return m_doc; }

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;

    // Qt's own texts (standard buttons, dialogs) in Chinese.
    static void LoadTranslations(QTranslator& translator);

private:
    void ShowAbout();
    void NewDocument();

    CQtPrompter m_prompter;
    CVelmoraDoc m_doc;
    // The machine is large (its arrays): it lives on the heap.
    std::unique_ptr<CMachine> m_machine;
    CQtResourcePaths m_paths;
    CQtShell m_shell;
    CQtKeyTyper m_keys;
    CQtSoundPlayer m_sound;
    std::unique_ptr<CQtFileChooser> m_files;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<CMainFrame> m_frame;
};
