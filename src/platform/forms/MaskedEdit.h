#pragma once
// A text box with an input mask: '#' is a digit place, every other
// character of the mask a literal shown in place; unfilled places show
// PromptChar. Text is what the box shows (literals and prompts included);
// ClipText is what the user typed: the digits of the places, nothing else.
// An empty Mask makes it a plain text box. Use it for numbers with a fixed
// shape (the gross-income number "###-######-#").

#include <QLineEdit>

namespace forms {

class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    QString Mask() const { return m_mask; }
    void setMask(const QString& mask);
    QChar PromptChar() const { return m_prompt; }
    void setPromptChar(QChar c);

    QString Text() const;
    // Takes the digits of t in order into the places (literals in t are
    // skipped); an empty text clears the box.
    void setText(const QString& t);
    QString ClipText() const;

    int SelStart() const;
    void setSelStart(int pos);
    int SelLength() const;
    void setSelLength(int length);

    QSize sizeHint() const override;

private:
    void applyMask();
    QString m_mask;
    QChar m_prompt = QChar('_');
};

}  // namespace forms
