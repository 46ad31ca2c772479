#include "EditRules.h"

#include "platform/Dialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

namespace zel {

namespace {

// A balloon tip wraps its text at about 300 dialog units of the window it points into.
constexpr int kTipWidthDialogUnits = 300;

int tipTextWidth(const QWidget* edit)
{
    for (const QWidget* widget = edit; widget; widget = widget->parentWidget()) {
        if (const auto* dialog = qobject_cast<const Dialog*>(widget))
            return kTipWidthDialogUnits * dialog->baseUnitX() / 4;
    }
    return kTipWidthDialogUnits * edit->fontMetrics().averageCharWidth() / 4;
}

} // namespace

EditRules::EditRules(QLineEdit* edit, int textLimit, EditCharacters characters)
    : QValidator(edit), m_edit(edit), m_textLimit(textLimit), m_characters(characters),
      m_textBefore(edit->text())
{
    // Validation runs before textChanged, so this always holds the previous text.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_textBefore = text; });
    edit->installEventFilter(this);
}

bool EditRules::refused(QChar c) const
{
    switch (m_characters) {
    case EditCharacters::Digits:
        return c < u'0' || c > u'9';
    case EditCharacters::Latin1:
        return c.unicode() > 0xFF;
    case EditCharacters::Any:
        break;
    }
    return false;
}

qsizetype EditRules::refusedCharacters(const QString& text) const
{
    return std::count_if(text.begin(), text.end(), [this](QChar c) { return refused(c); });
}

void EditRules::showRefusal() const
{
    QLabel*& tip = const_cast<EditRules*>(this)->m_tip;
    if (!tip) {
        // A window of its own, so that the dialog's layout does not clip it.
        tip = new QLabel(m_edit, Qt::ToolTip);
        tip->setForegroundRole(QPalette::ToolTipText);
        tip->setBackgroundRole(QPalette::ToolTipBase);
        tip->setPalette(QToolTip::palette());
        tip->setFont(QToolTip::font());
        tip->setAutoFillBackground(true);
        tip->setFrameStyle(QFrame::Box | QFrame::Plain);
        tip->setMargin(4);
        tip->setWordWrap(true);
    }
    tip->setText(m_characters == EditCharacters::Digits
                     ? tr("Only digits can be typed here.")
                     : tr("Only characters the device can store can be typed here: Western "
                          "European letters, digits and symbols."));
    const QRect lines = tip->fontMetrics().boundingRect(QRect(0, 0, tipTextWidth(m_edit), 0),
                                                        Qt::TextWordWrap, tip->text());
    const int width = lines.width() + 2 * (tip->margin() + tip->frameWidth());
    tip->resize(width, tip->heightForWidth(width));
    tip->show(); // its frame, if the platform gives it one, counts from now on
    // Below the edit, a quarter in, as far as the screen's free area allows; above the edit
    // where there is no room below it.
    const QSize outer = tip->frameGeometry().size();
    QPoint place = m_edit->mapToGlobal(QPoint(m_edit->width() / 4, m_edit->height()));
    if (const QScreen* screen = m_edit->screen()) {
        const QRect room = screen->availableGeometry();
        place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - outer.width())));
        if (place.y() + outer.height() > room.bottom() + 1)
            place.setY(m_edit->mapToGlobal(QPoint()).y() - outer.height());
        place.setY(std::max(room.top(), place.y()));
    }
    tip->move(place);
}

bool EditRules::eventFilter(QObject* watched, QEvent* event)
{
    if (m_tip && (event->type() == QEvent::KeyPress || event->type() == QEvent::FocusOut ||
                  event->type() == QEvent::Hide))
        m_tip->hide();
    return QValidator::eventFilter(watched, event);
}

QValidator::State EditRules::validate(QString& input, int& pos) const
{
    // QLineEdit::setText resets the undo state, so an unmodified edit means the program set
    // the text: keep it as it is.
    if (!m_edit->isModified())
        return Acceptable;
    // The cursor ends behind what was inserted; what follows it was there before, and so
    // is what both texts start with.
    const qsizetype after = input.size() - pos;
    qsizetype kept = 0;
    const qsizetype maxKept = std::min<qsizetype>(pos, m_textBefore.size() - after);
    while (kept < maxKept && input.at(kept) == m_textBefore.at(kept))
        ++kept;
    if (refusedCharacters(input) > refusedCharacters(m_textBefore)) {
        showRefusal();
        QString inserted = input.mid(kept, pos - kept);
        inserted.removeIf([this](QChar c) { return refused(c); });
        if (inserted.isEmpty())
            return Invalid;
        input = input.left(kept) + inserted + input.mid(pos);
        pos = int(kept + inserted.size());
        if (refusedCharacters(input) > refusedCharacters(m_textBefore))
            return Invalid; // not an insertion: leave the text as it was
    }
    if (m_textLimit <= 0 || input.size() <= m_textLimit)
        return Acceptable;
    const qsizetype room = std::max<qsizetype>(0, m_textLimit - kept - after);
    const qsizetype inserted = pos - kept;
    if (inserted <= room)
        return Acceptable; // it fits, or nothing went in: a deletion in an over-long text
    input.remove(kept + room, inserted - room);
    pos = int(kept + room);
    return Acceptable;
}

} // namespace zel
