#pragma once
// Something that takes commands by number: a pane, the frame, the
// application. The frame offers a command to the active pane first, then to
// itself, then to the application; an entry nobody takes is disabled.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;
    virtual bool HandlesCommand(int id) const = 0;
    virtual void OnCommand(int id) = 0;
    // Check mark of a command's entry, for the targets that keep one.
    virtual bool IsCommandChecked(int /*id*/) const { return false; }
};
