#include "editor/DAOJU.h"

#include "editor/DAOJUBJ.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The list's colours: text blue on a pale blue-white ground.
const QColor kListGround(0xF7, 0xF7, 0xFF);
const QColor kListText(0x00, 0x00, 0xFF);

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CDAOJU::TEditRunner CDAOJU::DefaultEditRunner()
{
    return [](QWidget* parent, const TToolEditTexts& texts) -> std::optional<TToolEditTexts> {
        CDAOJUBJ dialog(parent);
        dialog.setTexts(texts);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.texts();
    };
}

CDAOJU::CDAOJU(CPrompter& prompter, TEditRunner edit, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_edit(std::move(edit))
{
    setObjectName("toolLibraryDialog");
    setWindowTitle(QStringLiteral("刀具库"));
    buildList();
    fillList();
    auto* editButton = Button("编辑", "editButton", this);
    auto* mount = Button("添加到刀架", "mountButton", this);
    auto* removal = Button("移出刀架", "removeButton", this);
    auto* ok = Button("确认", "okButton", this);
    auto* cancel = Button("取消", "cancelButton", this);
    connect(editButton, &QPushButton::clicked, this, &CDAOJU::editClicked);
    connect(mount, &QPushButton::clicked, this, [this] {
        m_library.RequestMount();
        showStations();
    });
    connect(removal, &QPushButton::clicked, this, [this] {
        m_library.RequestRemoval();
        showStations();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { editRow(firstSelectedRow()); });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {editButton, mount, removal, ok, cancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buildStations());
    layout->addLayout(buttons);
}

QWidget* CDAOJU::buildStations()
{
    auto* box = new QGroupBox(QStringLiteral("刀架"), this);
    auto* row = new QHBoxLayout(box);
    for (int n = 0; n < tool_library::kStations; ++n) {
        m_stations[n] = new QLabel(box);
        m_stations[n]->setObjectName(QString("station%1").arg(n + 1));
        row->addWidget(m_stations[n]);
    }
    showStations();
    return box;
}

void CDAOJU::setMounted(const TMountedTools& mounted)
{
    m_library.SetMounted(mounted);
    showStations();
}

void CDAOJU::showStations()
{
    const TStationTexts texts = m_library.Stations();
    for (int n = 0; n < tool_library::kStations; ++n)
        m_stations[n]->setText(QString("刀位%1：%2").arg(n + 1).arg(QString::fromStdString(texts[n])));
}

void CDAOJU::buildList()
{
    m_list = new QTableWidget(tool_library::kTools, tool_library::kColumns, this);
    m_list->setObjectName("toolList");
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, kListGround);
    palette.setColor(QPalette::Text, kListText);
    // The selection stays visible when the list loses the focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    int width = 0;
    const auto columns = tool_library::Columns();
    for (int column = 0; column < tool_library::kColumns; ++column) {
        auto* heading = new QTableWidgetItem(Text(columns[column].heading));
        heading->setTextAlignment(Qt::AlignCenter);
        m_list->setHorizontalHeaderItem(column, heading);
        m_list->setColumnWidth(column, columns[column].width);
        width += columns[column].width;
    }
    m_list->setMinimumWidth(width + 2 * m_list->frameWidth() + 4);
    m_list->viewport()->installEventFilter(this);
}

void CDAOJU::fillList()
{
    for (int row = 0; row < tool_library::kTools; ++row) {
        for (int column = 0; column < tool_library::kColumns; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(m_library.Rows()[row][column]));
            item->setTextAlignment(Qt::AlignCenter);
            m_list->setItem(row, column, item);
        }
    }
}

bool CDAOJU::eventFilter(QObject* watched, QEvent* event)
{
    // A click that hits no row counts too: it clears the clicked row.
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Only the left button chooses, as everywhere else.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_library.Click(m_list->indexAt(mouse->position().toPoint()).row());
            showStations(); // a request made earlier now concerns this tool
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CDAOJU::firstSelectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_list->selectedRanges();
    int first = -1;
    for (const QTableWidgetSelectionRange& range : ranges)
        if (first < 0 || range.topRow() < first)
            first = range.topRow();
    return first;
}

void CDAOJU::editClicked()
{
    if (const auto row = m_library.RowToEdit(firstSelectedRow(), m_prompter))
        editRow(*row);
}

void CDAOJU::editRow(int row)
{
    // With no row, the edit dialog still opens, empty, and its texts go nowhere.
    const auto texts = m_edit(this, m_library.EditTexts(row));
    if (!texts || row < 0)
        return;
    m_library.ApplyEdit(row, *texts);
    for (int n = 0; n < tool_library::kEditTexts; ++n)
        m_list->item(row, tool_library::kFirstEditColumn + n)->setText(QString::fromStdString((*texts)[n]));
}
