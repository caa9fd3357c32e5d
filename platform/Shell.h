#pragma once
// Desktop services: open a document with its default application, and start
// (or bring forward) the system text editor.
#include <string>

class CShell {
public:
    virtual ~CShell() = default;
    // False when nothing could open it.
    virtual bool OpenDocument(const std::string& path) = 0;
    // Brings forward an editor we started that is still running, else starts
    // one. False when none can be started.
    virtual bool LaunchTextEditor() = 0;
    // The name of the editor LaunchTextEditor would start, for the
    // question that offers it; empty when none is known.
    virtual std::string TextEditorName() const { return {}; }
};
