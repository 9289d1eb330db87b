#include "dialogs/ProfileFormDialog.h"

#include "system/ProfileFiles.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>

#include <algorithm>

namespace {

// Control characters have no place in a profile's name or description. The
// description may hold line breaks, which the profile file keeps as
// backslash and "n"; any other control character could split or garble its
// line.
enum class LineFeed { Refused, Allowed };

bool hasControl(const QString &text, LineFeed lineFeed = LineFeed::Refused)
{
    return std::any_of(text.cbegin(), text.cend(), [lineFeed](QChar c) {
        if (c == QLatin1Char('\n'))
            return lineFeed == LineFeed::Refused;
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    });
}

// A description field that refuses a paste or drop carrying a control
// character other than a line feed; typed keys cannot produce one.
class DescriptionEdit : public QTextEdit
{
public:
    explicit DescriptionEdit(QWidget *parent)
        : QTextEdit(parent)
    {
        // Rich text would be dropped on saving anyway; plain text is what
        // can be checked.
        setAcceptRichText(false);
    }

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override
    {
        return QTextEdit::canInsertFromMimeData(source)
               && !hasControl(source->text(), LineFeed::Allowed);
    }

    void insertFromMimeData(const QMimeData *source) override
    {
        if (!hasControl(source->text(), LineFeed::Allowed))
            QTextEdit::insertFromMimeData(source);
    }
};

} // namespace

ProfileFormDialog::ProfileFormDialog(QWidget *parent, const QString &nameText,
                                     const QString &descriptionText)
    : QDialog(parent)
{
    layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    nameLabel = new QLabel(nameText, this);
    nameEdit = new QLineEdit(this);
    descriptionLabel = new QLabel(descriptionText, this);
    descriptionEdit = new DescriptionEdit(this);
    descriptionEdit->setMaximumSize(400, 50);
    descriptionEdit->setTabChangesFocus(true);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setWindowModality(Qt::WindowModal);

    layout->addWidget(nameLabel, 1, 1, 1, 1);
    layout->addWidget(nameEdit, 2, 1, 1, 1);
    layout->addWidget(descriptionLabel, 7, 1, 1, 1);
    layout->addWidget(descriptionEdit, 8, 1, 1, 1);
    layout->addWidget(buttonBox, 10, 1, 1, 1);
    setMinimumSize(350, 200);

    // Caps the typed length (the byte limit is one of the rules) and keeps
    // out control characters, pasted ones included.
    nameEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\x{0}-\\x{1f}\\x{7f}]{0,251}")), this));
    setOkEnabled(false);
}

void ProfileFormDialog::reloadQueueNames()
{
    queueNames = installedQueueNames();
}

bool ProfileFormDialog::checkFields()
{
    // The fields can still be given a control character in code, as the
    // edit dialog does with a stored name and description.
    const QString description = descriptionEdit->toPlainText();
    const bool valid = isAcceptableProfile(nameEdit->text(), description, queueNames)
                       && !hasControl(nameEdit->text())
                       && !hasControl(description, LineFeed::Allowed);
    setOkEnabled(valid);
    return valid;
}

void ProfileFormDialog::setOkEnabled(bool enabled)
{
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(enabled);
}
