#include "tests/platform/ui/text_room.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTableView>

#include <algorithm>
#include <sstream>

namespace uitest {

namespace {

std::string Bytes(const QString& text) { return text.toStdString(); }

std::string PathOf(const QWidget* widget, const QWidget* window) {
    std::string path;
    for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) continue;
        path = Bytes(name) + (path.empty() ? "" : "/" + path);
    }
    return Bytes(window->objectName()) + "/" + path;
}

// The width of a text without what is not drawn: trailing blanks, and the
// "&" that marks a button's mnemonic.
int TextWidth(const QFontMetrics& metrics, QString text, bool mnemonic) {
    if (mnemonic) {
        text.replace("&&", QString(QChar(1)));
        text.remove('&');
        text.replace(QChar(1), '&');
    }
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        QString shown = line;
        while (!shown.isEmpty() && shown.back().isSpace()) shown.chop(1);
        widest = std::max(widest, metrics.horizontalAdvance(shown));
    }
    return widest;
}

class Measurer {
public:
    explicit Measurer(const QWidget* window) : window_(window) {}

    void Measure(const QWidget* widget) {
        if (auto* label = qobject_cast<const QLabel*>(widget)) return Label(label);
        if (auto* combo = qobject_cast<const QComboBox*>(widget)) return Combo(combo);
        if (auto* button = qobject_cast<const QPushButton*>(widget)) return Button(button);
        if (auto* check = qobject_cast<const QCheckBox*>(widget)) return Check(check, QStyle::SE_CheckBoxContents);
        if (auto* radio = qobject_cast<const QRadioButton*>(widget))
            return Check(radio, QStyle::SE_RadioButtonContents);
        if (auto* group = qobject_cast<const QGroupBox*>(widget)) return Group(group);
        if (auto* table = qobject_cast<const QTableView*>(widget)) return Table(table);
    }

    std::vector<TextRoom> texts;

private:
    void Add(const QWidget* widget, const char* kind, const QString& text, int needed, int room) {
        texts.push_back({PathOf(widget, window_), kind, Bytes(text), needed, room});
    }

    bool InStatusBar(const QWidget* widget) const {
        for (const QWidget* w = widget; w != nullptr && w != window_; w = w->parentWidget())
            if (qobject_cast<const QStatusBar*>(w) != nullptr) return true;
        return false;
    }

    // Where the next showing control to the label's right on its lines
    // begins, measured from the label's left edge.
    int RoomBeforeNeighbour(const QLabel* label, int textHeight) const {
        int room = label->width();
        const QWidget* parent = label->parentWidget();
        if (parent == nullptr) return room;
        QRect line(label->x(), label->y(), parent->width(), textHeight);
        for (const QObject* child : parent->children()) {
            auto* other = qobject_cast<const QWidget*>(child);
            if (other == nullptr || other == label || other->isWindow() || !other->isVisibleTo(window_)) continue;
            if (other->x() <= label->x() || !other->geometry().intersects(line)) continue;
            room = std::min(room, other->x() - label->x());
        }
        return room;
    }

    void Label(const QLabel* label) {
        if (label->text().isEmpty() || label->wordWrap() || InStatusBar(label)) return;
        QRect inside = label->contentsRect();
        int needed = TextWidth(label->fontMetrics(), label->text(), false);
        int lines = static_cast<int>(label->text().count('\n')) + 1;
        int room = std::min(inside.width() - 2 * label->margin() - std::max(label->indent(), 0),
                            RoomBeforeNeighbour(label, lines * label->fontMetrics().height()) - inside.left());
        Add(label, "label", label->text(), needed, room);
    }

    void Combo(const QComboBox* combo) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        // The entry is drawn a pixel inside the field on each side; an
        // editable box's line keeps two.
        int room = field.width() - (combo->isEditable() ? 4 : 2);
        for (int i = 0; i < combo->count(); ++i) {
            QString text = combo->itemText(i);
            Add(combo, "combo entry", text, TextWidth(combo->fontMetrics(), text, false), room);
        }
    }

    void Button(const QPushButton* button) {
        if (button->text().isEmpty()) return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        if (!button->icon().isNull()) room -= button->iconSize().width() + 4;
        Add(button, "button", button->text(), TextWidth(button->fontMetrics(), button->text(), true), room);
    }

    void Check(const QAbstractButton* button, QStyle::SubElement contents) {
        if (button->text().isEmpty()) return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        int room = button->style()->subElementRect(contents, &option, button).width();
        const char* kind = contents == QStyle::SE_CheckBoxContents ? "check box" : "radio button";
        Add(button, kind, button->text(), TextWidth(button->fontMetrics(), button->text(), true), room);
    }

    void Group(const QGroupBox* group) {
        if (group->title().isEmpty()) return;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        // The title keeps the same margin from the frame's right as from its left.
        Add(group, "group title", group->title(), TextWidth(group->fontMetrics(), group->title(), true),
            group->width() - 2 * title.left());
    }

    void Table(const QTableView* table) {
        const QHeaderView* header = table->horizontalHeader();
        const QAbstractItemModel* model = table->model();
        if (model == nullptr) return;
        int grid = table->showGrid() ? 1 : 0;
        for (int column = 0; column < model->columnCount(); ++column) {
            int width = table->columnWidth(column);
            if (table->isColumnHidden(column) || width == 0) continue;
            if (!header->isHidden())
                Add(table, "column caption", model->headerData(column, Qt::Horizontal).toString(),
                    header->sectionSizeHint(column), header->sectionSize(column));
            for (int row = 0; row < model->rowCount(); ++row) {
                QModelIndex cell = model->index(row, column);
                QString text = model->data(cell).toString();
                if (text.isEmpty()) continue;
                Add(table, "list cell", text, table->sizeHintForIndex(cell).width() + grid, width);
            }
        }
    }

    const QWidget* window_;
};

}  // namespace

std::vector<TextRoom> MeasureTexts(const QWidget* window) {
    Measurer measurer(window);
    for (const QWidget* widget : window->findChildren<const QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(window)) continue;
        measurer.Measure(widget);
    }
    return measurer.texts;
}

std::string CutTexts(const std::vector<TextRoom>& texts) {
    std::ostringstream table;
    for (const TextRoom& t : texts) {
        if (t.Fits()) continue;
        table << t.control << " | " << t.kind << " | \"" << t.text << "\" | needs " << t.needed << " | has "
              << t.room << "\n";
    }
    return table.str();
}

}  // namespace uitest
