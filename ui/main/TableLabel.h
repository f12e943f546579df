#pragma once
// A label of the table: a caption, a score box or a die. It keeps its text
// colour and its picture when disabled (the card is disabled between turns and must stay
// readable), fits its glyphs into the layout's tight heights, and reports a
// click (press and release of the left button over it) as the card needs.

#include <QAccessible>
#include <QLabel>
#include <QStaticText>

namespace rp {

class TableLabel : public QLabel {
    Q_OBJECT
public:
    // role is what assistive tools are told the control is.
    TableLabel(QWidget* parent, const QString& objectName,
               QAccessible::Role role = QAccessible::StaticText);

    QAccessible::Role role() const { return role_; }
    // Sets the caption and, with it, the name assistive tools read.
    void setCaption(const QString& text);
    void setTextColour(const QColor& colour);
    // What a click does, also reached through the accessibility interface.
    void click() { emit clicked(); }
    // The keyboard's selection: framed, and focused for assistive tools.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    // A hint's mark: a gold frame, and "suggested" for assistive tools.
    void setSuggested(bool suggested);
    bool isSuggested() const { return suggested_; }
    // What an entry would give, painted in pale ink while the box is empty;
    // ", would score N" for assistive tools. Empty: no preview.
    void setPreview(const QString& value);
    const QString& preview() const { return preview_; }
    // A note in the preview's pale ink on a blank box (shown), with its words
    // for assistive tools (said). Empty: none.
    void setNote(const QString& shown, const QString& said);
    const QString& note() const { return note_; }
    // A box of a column the game does not play: ", not played".
    void setNotPlayed(bool notPlayed);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintPicture();
    void paintCaption(const QString& text, const QColor& ink);
    // The description: the plain one and what the marks above add to it.
    void describe();
    bool marked() const { return suggested_ || notPlayed_ || !preview_.isEmpty() || !noteSaid_.isEmpty(); }

    QAccessible::Role role_;
    bool pressed_ = false;
    bool selected_ = false;
    bool suggested_ = false;
    bool notPlayed_ = false;
    QString preview_, note_, noteSaid_;
    QString plainDescription_;  // the description without marks
    QStaticText laidOut_;       // the caption painted last, and its font
    QFont laidOutFont_;
    qreal laidOutWidth_ = 0;
};

// Makes the table's labels and every picture button operable through the
// platform's accessibility interface: each offers a press action.
void installAccessibleControls();

}  // namespace rp
