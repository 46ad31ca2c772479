#pragma once

#include <QWidget>
#include <array>

class QLineEdit;

namespace zel {

// An IPv4 address control: four fields of 0..255. '.' (or the keypad's decimal key) or a third
// digit moves on to the next field, Backspace at the start of a field goes back to the previous
// one. A field entered by click or Tab has its text selected, so that typing replaces it.
class Ipv4AddressEdit : public QWidget
{
    Q_OBJECT

public:
    explicit Ipv4AddressEdit(QWidget* parent = nullptr);
    void setAddress(const std::array<quint8, 4>& bytes);
    std::array<quint8, 4> address() const; // a blank field reads as 0
    QLineEdit* field(int index) const;
    void setAccessibleNames(const QString& baseName); // "<base>, part 1" ...

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void focusField(int index, bool atEnd);

    std::array<QLineEdit*, 4> m_fields{};
    int m_autoAdvancedTo = -1; // field just reached by a third digit, until the next key
    int m_clickFocused = -1;   // field whose focus came with the mouse press still to come
};

} // namespace zel
