#pragma once
// The open and save file dialogs, behind an interface so that tests answer
// with a path (or a cancel) instead of a window.
#include <optional>
#include <string>

class CFileChooser {
public:
    virtual ~CFileChooser() = default;
    // Empty when the user cancels.
    virtual std::optional<std::string> ChooseOpen() = 0;
    // Starts in folder (the working directory when empty) with name filled in.
    virtual std::optional<std::string> ChooseSave(const std::string& folder,
                                                  const std::string& name) = 0;
    // A file to write that is no program: name filled in, filter such as
    // "图片 (*.png)". Without a dialog of its own it asks as ChooseSave does.
    virtual std::optional<std::string> ChooseExport(const std::string& name,
                                                    const std::string& filter)
    {
        (void)filter;
        return ChooseSave({}, name);
    }
};
