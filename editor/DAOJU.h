#pragma once
// The tool library dialog: the three tools in a list, their dimensions
// edited in the tool edit dialog, the requests to mount the clicked tool on
// the turret or take it off, and what each station will then hold.
#include "editor/ToolLibrary.h"

#include <QDialog>

#include <functional>
#include <optional>

class CPrompter;
class QLabel;
class QPushButton;
class QTableWidget;

class CDAOJU : public QDialog {
    Q_OBJECT
public:
    // Runs the edit dialog on a row's texts; nothing when it was cancelled.
    using TEditRunner = std::function<std::optional<TToolEditTexts>(QWidget* parent, const TToolEditTexts&)>;
    static TEditRunner DefaultEditRunner();

    explicit CDAOJU(CPrompter& prompter, TEditRunner edit = DefaultEditRunner(), QWidget* parent = nullptr);

    QTableWidget* list() const { return m_list; }
    // The turret as it stands; the stations show it with the requests made.
    void setMounted(const TMountedTools& mounted);
    const CToolLibrary& library() const { return m_library; }
    // What the turret takes from an OK.
    const SToolLibraryResult& selection() const { return m_library.Result(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();
    void fillList();
    QWidget* buildStations();
    void showStations();
    int firstSelectedRow() const;
    void editClicked();
    void editRow(int row);

    CPrompter& m_prompter;
    TEditRunner m_edit;
    CToolLibrary m_library;
    QTableWidget* m_list = nullptr;
    std::array<QLabel*, tool_library::kStations> m_stations{};
};
