#include "dialogs/TelemetryDialog.h"

#include "system/PerUserFiles.h"
#include "system/PerUserFolder.h"
#include "system/SystemPaths.h"
#include "widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSpacerItem>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

struct PolicyResource
{
    const char *language;
    const char *resource;
};

// Language part of the system locale name -> policy text; English otherwise.
const PolicyResource kPolicyResources[] = {
    {"fr", ":/strings/policy_fr"}, {"de", ":/strings/policy_de"}, {"it", ":/strings/policy_it"},
    {"pt", ":/strings/policy_pt"}, {"es", ":/strings/policy_es"},
};
const char kDefaultPolicy[] = ":/strings/policy";

// One level only: the per-user folder's parent belongs to the driver package.
// A folder that is there already is left as it is, trusted or not; the
// reader and the writer refuse an untrusted one.
void ensurePerUserDirectory()
{
    PerUserFolder::create(SystemPaths::perUserDirectory());
}

} // namespace

TelemetryDialog::TelemetryDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Data Collection"));
    ScreenFit::keepFixedSize(this, QSize(650, 450));

    introLabel = new QLabel(
        tr("We ask you to help improve our application and/or products by providing usage "
           "information."),
        this);
    introLabel->setWordWrap(true);

    noticeLabel =
        new QLabel(QStringLiteral("<b>") + tr("The application DOES NOT collect any personal data.")
                       + QStringLiteral("</b>"),
                   this);
    noticeLabel->setTextFormat(Qt::RichText);

    policyHeadingLabel = new QLabel(
        tr("Regarding data collection, please read the PRIVACY POLICY as follows."), this);
    policyHeadingLabel->setWordWrap(true);

    policyView = new QTextEdit(this);
    policyView->setReadOnly(true);
    policyView->setAutoFormatting(QTextEdit::AutoNone);
    policyView->setPlainText(policyText());

    yesButton = new QRadioButton(tr("Yes, I want to help improve your products"), this);
    noButton = new QRadioButton(tr("No, I do not wish to take part in this feature"), this);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(introLabel);
    layout->addWidget(noticeLabel);
    layout->addItem(new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Fixed));
    layout->addWidget(policyHeadingLabel);
    layout->addWidget(policyView);
    layout->addWidget(yesButton);
    layout->addWidget(noButton);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &TelemetryDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &TelemetryDialog::reject);
}

QString TelemetryDialog::policyResourceFor(const QString &localeName)
{
    const QString language = localeName.split(QLatin1Char('_')).first();
    for (const PolicyResource &row : kPolicyResources) {
        if (language == QLatin1String(row.language))
            return QString::fromLatin1(row.resource);
    }
    return QString::fromLatin1(kDefaultPolicy);
}

QString TelemetryDialog::policyText()
{
    QFile file(policyResourceFor(QLocale::system().name()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return in.readAll();
}

bool TelemetryDialog::readTelemetryConsent()
{
    ensurePerUserDirectory();
    QByteArray bytes;
    if (!readPerUserFile(SystemPaths::settingsFilePath(), &bytes))
        return true;
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return bytes.contains("Telemetry=True");
}

bool TelemetryDialog::isAnswered()
{
    QByteArray bytes;
    return readPerUserFile(SystemPaths::settingsFilePath(), &bytes);
}

int TelemetryDialog::exec()
{
    if (readTelemetryConsent())
        yesButton->setChecked(true);
    else
        noButton->setChecked(true);
    return QDialog::exec();
}

void TelemetryDialog::accept()
{
    const QByteArray line = yesButton->isChecked() ? QByteArrayLiteral("Telemetry=True\n")
                                                   : QByteArrayLiteral("Telemetry=False\n");

    // The file always holds exactly the one line. A failed write leaves the
    // old file, or none: the question is then asked again at the next start.
    ensurePerUserDirectory();
    writePerUserFile(SystemPaths::settingsFilePath(), line);

    QDialog::accept();
}
