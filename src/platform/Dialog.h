#pragma once

#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QHash>

namespace zel {

struct HelpInfo
{
    enum Kind
    {
        Window,
        Menu
    } kind = Window;
    int controlId = 0;
    QWidget* control = nullptr;
};

// A dialog built from a template: one QWidget per control row, addressed by id, each named
// "ctl<id>". Kinds map to: push button/check box -> QPushButton/QCheckBox, group box ->
// QGroupBox, labels and pictures -> QLabel, edit -> QLineEdit, drop-down list/combo ->
// QComboBox (the combo editable: typed text never selects an item, index -1; only the list
// does), report list -> QTreeWidget without root decoration, tab control -> zel::TabControl (tabs
// only; pages are its children, placed and shown by their owner), IPv4 -> zel::Ipv4AddressEdit.
// Subclasses keep the framework's shape: OnInitDialog, OnOK, OnCancel, WindowProc.
// Keys: Escape -> OnCancel (in a page it goes on to the window around it); Enter clicks the
// focused or the template's default button, or else calls OnOK; F1 -> OnHelpInfo. Edits and
// combos are the buddies of the labels in front of them, which name them for screen readers.
// The caption and the texts are translated as the dialog is built, in the template's context.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~Dialog() override;

    // Modal run: OnInitDialog, then the modal loop unless the dialog already ended. From
    // the start, the owner and every other dialog of the program take no input (InputBlock);
    // this dialog and what it opens stay usable. Returns the value given to EndDialog (IDOK /
    // IDCANCEL).
    int DoModal();
    // Modeless creation inside or on top of `parent`: OnInitDialog, no loop. The window
    // stays hidden until the caller shows it.
    void Create(QWidget* parent);
    void EndDialog(int result);
    // From the start of DoModal/Create until EndDialog: what FindWindow looks for.
    bool isWindowAlive() const { return m_bAlive; }

    QWidget* GetDlgItem(int id) const;
    template <class T> T* dlgItem(int id) const { return qobject_cast<T*>(GetDlgItem(id)); }
    int controlId(const QWidget* control) const; // kStaticId when unknown
    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value); // signed decimal
    unsigned GetDlgItemInt(int id) const;  // unsigned: leading digits, else 0
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;

    const DialogTemplate& dialogTemplate() const { return m_template; }
    // The template's text of control `id`, in the user's language.
    QString templateText(int id) const;
    // The template's help context id of control `id`; 0 when it has none.
    int helpContextOf(int id) const;
    // x * baseUnitX / 4, y * font height / 8, corner by corner, from the template's font.
    QRect dialogUnitsToPixels(int x, int y, int width, int height) const;
    int baseUnitX() const;

protected:
    virtual bool OnInitDialog(); // FALSE when the dialog set the focus itself
    virtual void OnOK();         // default: EndDialog(IDOK)
    virtual void OnCancel();     // default: EndDialog(IDCANCEL)
    // Private messages land here first; the return value is the message's result, which
    // SendMessage hands back to the sender.
    virtual bool WindowProc(int message);
    // Context help (F1 or What's This on a control); return true when handled.
    virtual bool OnHelpInfo(const HelpInfo& info);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void accept() override; // routed to OnOK
    void reject() override; // routed to OnCancel (also the close box)

private:
    void buildControls();
    QList<QWidget*> windowsBlockedByModalRun() const;
    HelpInfo helpInfoFor(QWidget* widget) const;
    void pressDefaultButton();
    const ControlTemplate* rowOf(int id) const;

    const DialogTemplate& m_template;
    QHash<int, QWidget*> m_controls;
    int m_nBaseUnitX = 0; // average letter width, as the framework measures it
    int m_nBaseUnitY = 0; // font height
    bool m_bAlive = false;
    bool m_bInModalLoop = false;
    int m_nResult = 0;
};

// Keeps every window on the screen: where a window of `largest` would reach past the primary
// screen's available area (a small laptop's screen, large scaling), every dialog's font gets
// smaller, down to the smallest that reads with ease.
void fitDialogsToScreen(const DialogTemplate& largest);

// A caption or control text of `dialogTemplate` in the user's language.
QString translatedText(const DialogTemplate& dialogTemplate, const char* text);

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

} // namespace zel
