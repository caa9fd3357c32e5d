#pragma once
// File dialogs answered from a script: each call takes the next answer, an
// empty optional being a cancelled dialog. Records what it was asked.
#include "platform/FileChooser.h"

#include <deque>
#include <vector>

class CScriptedFileChooser : public CFileChooser {
public:
    std::optional<std::string> ChooseOpen() override
    {
        ++opens;
        return Next();
    }
    std::optional<std::string> ChooseSave(const std::string& folder, const std::string& name) override
    {
        folders.push_back(folder);
        suggested.push_back(name);
        return Next();
    }
    void Answer(std::optional<std::string> path) { m_script.push_back(std::move(path)); }

    int opens = 0;
    std::vector<std::string> folders;   // where each save dialog started
    std::vector<std::string> suggested; // the name each one offered

private:
    std::optional<std::string> Next()
    {
        if (m_script.empty())
            return std::nullopt;
        auto answer = m_script.front();
        m_script.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> m_script;
};
