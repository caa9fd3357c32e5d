#pragma once
// Test doubles of the platform services: each records what it was asked and
// answers as its fields say.
#include "platform/KeyTyper.h"
#include "platform/ResourcePaths.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <string>
#include <utility>
#include <vector>

class CRecordingSound : public CSoundPlayer {
public:
    void Play(const std::string& relativePath) override { played.push_back(relativePath); }
    std::vector<std::string> played;
};

class CRecordingShell : public CShell {
public:
    bool OpenDocument(const std::string& path) override
    {
        opened.push_back(path);
        return openSucceeds;
    }
    bool LaunchTextEditor() override
    {
        ++editorLaunches;
        return editorStarts;
    }
    std::string TextEditorName() const override { return editorName; }
    std::vector<std::string> opened;
    std::string editorName;
    int editorLaunches = 0;
    bool openSucceeds = true;
    bool editorStarts = true;
};

class CRecordingKeyTyper : public CKeyTyper {
public:
    void TypeChar(char ch, bool withShift) override { typed.emplace_back(ch, withShift); }
    std::vector<std::pair<char, bool>> typed;
};

// Finds a file under one fixed folder, or nothing when the folder is empty.
class CFixedResourcePaths : public CResourcePaths {
public:
    explicit CFixedResourcePaths(std::string root = {}) : m_root(std::move(root)) {}
    std::string Find(const std::string& relativePath) const override
    {
        return m_root.empty() ? std::string() : m_root + "/" + relativePath;
    }

private:
    std::string m_root;
};
