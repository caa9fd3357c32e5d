#pragma once
// Qt implementations of the desktop services: the shell and text editor,
// key typing into the focused field, sound playback and data-file lookup.
#include "platform/FileChooser.h"
#include "platform/KeyTyper.h"
#include "platform/ResourcePaths.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSoundEffect;
class QWidget;

class CQtResourcePaths : public CResourcePaths {
public:
    // The folders searched after the current directory, in order.
    CQtResourcePaths();
    explicit CQtResourcePaths(QStringList folders) : m_folders(std::move(folders)) {}
    std::string Find(const std::string& relativePath) const override;

private:
    QStringList m_folders;
};

class CQtShell : public CShell {
public:
    bool OpenDocument(const std::string& path) override;
    bool LaunchTextEditor() override;
    std::string TextEditorName() const override;
    // The command lines tried in order: VELMORA_TEXT_EDITOR when set, then
    // the common desktop editors that are installed.
    static QStringList EditorCandidates();
    qint64 EditorProcessId() const { return m_editorPid; }

private:
    bool EditorRunning() const;
    void BringEditorForward() const;

    qint64 m_editorPid = 0;
};

class CQtKeyTyper : public CKeyTyper {
public:
    void TypeChar(char ch, bool withShift) override;
};

class CQtSoundPlayer : public CSoundPlayer {
public:
    explicit CQtSoundPlayer(const CResourcePaths& paths);
    ~CQtSoundPlayer() override;
    void Play(const std::string& relativePath) override;

private:
    const CResourcePaths& m_paths;
    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
};

class CQtFileChooser : public CFileChooser {
public:
    // Without a parent the dialogs belong to the active window.
    explicit CQtFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    std::optional<std::string> ChooseOpen() override;
    std::optional<std::string> ChooseSave(const std::string& folder, const std::string& name) override;
    std::optional<std::string> ChooseExport(const std::string& name,
                                            const std::string& filter) override;

protected:
    QWidget* Parent() const;

private:
    QWidget* m_parent;
};
