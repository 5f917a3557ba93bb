#include "windows/frmCode.h"

#include "generate/EveryBrowserBlock.h"
#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"
#include "platform/ByteText.h"
#include "platform/PlatformUi.h"
#include "platform/PrivatePage.h"
#include "platform/Twips.h"
#include "text/Ascii.h"
#include "windows/AppState.h"
#include "windows/LabelButton.h"
#include "windows/LabelButtonGroup.h"
#include "windows/ProgramFont.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QUrl>

namespace brisvane {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& rect, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(programFont());
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

// One line of the example page: pieces of text, each in its colour.
struct Piece {
    const char* text;
    const char* color;
};

constexpr const char* blue = "#0000FF";
constexpr const char* red = "#FF0000";
constexpr const char* darkBlue = "#0000C0";
constexpr const char* black = nullptr;

struct ExampleRow {
    int top;
    int left;
    bool bold;
    std::initializer_list<Piece> pieces;
};

} // namespace

frmCode::frmCode(PlatformUi& ui, AppState& state, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_state(state) {
    setWindowTitle(tr("Brisvane | Copy'n'Paste"));
    setFont(programFont());
    setFixedSize(twipsToPixels(9015), twipsToPixels(7005));
    m_lighting = new LabelButtonGroup(this);

    auto* frame1 = new QGroupBox(this);
    frame1->setGeometry(twipsRect(120, 60, 4695, 6795));
    addLabel(
        frame1,
        tr("Paste the Brisvane generated code between the <head> Start tag and the </head> End "
           "tag, for each of your web pages. (see the following example Web Page)"),
        twipsRect(150, 225, 4395, 810), true);
    buildExamplePage(frame1);

    addLabel(this, tr("Brisvane generated code"), twipsRect(5535, 120, 2760, 255))
        ->setFont(programFont(true));
    m_txtCode = new QTextEdit(this);
    m_txtCode->setObjectName("txtCode");
    m_txtCode->setGeometry(twipsRect(4920, 360, 3975, 2895));
    m_txtCode->setAcceptRichText(false);
    m_txtCode->setReadOnly(true);
    m_txtCode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_txtCode->setLineWrapMode(QTextEdit::NoWrap);
    m_txtCode->setTabChangesFocus(true);
    m_txtCode->setAccessibleName(tr("Brisvane generated code"));

    m_lblCopy = addButton(tr("Copy to Clipboard"), "lblCopy", 5985, 3435, 1920, 255);
    m_lblExit =
        new LabelButton(tr("Exit"), twipsRect(7995, 3435, 885, 270),
                        twipsRect(7995, 3390, 885, 315), twipsRect(8010, 3405, 870, 300), this);
    m_lblExit->setObjectName("lblExit");
    m_lighting->add(m_lblExit);
    m_lblPreview = addButton(tr("Preview"), "lblPreview", 4920, 3435, 885, 270);
    m_lblClassic = addButton(tr("Classic (IE 5.5+)"), "lblClassic", 4920, 3915, 1920, 255);
    m_lblModern = addButton(tr("Every Browser"), "lblModern", 6975, 3915, 1920, 255);
    m_lblClassic->setAccessibleRole(QAccessible::RadioButton);
    m_lblModern->setAccessibleRole(QAccessible::RadioButton);
    connect(m_lblCopy, &LabelButton::clicked, this, &frmCode::lblCopy_Click);
    connect(m_lblExit, &LabelButton::clicked, this, &frmCode::lblExit_Click);
    connect(m_lblPreview, &LabelButton::clicked, this, &frmCode::lblPreview_Click);
    connect(m_lblClassic, &LabelButton::clicked, this, [this] { showBlock(false); });
    connect(m_lblModern, &LabelButton::clicked, this, [this] { showBlock(true); });

    buildReachRow();
    buildDarkRow();

    // The notes sit lower than the classic window had them, under the reach and the dark theme.
    auto* frame2 = new QGroupBox(tr("NOTE"), this);
    frame2->setFont(programFont(true));
    frame2->setGeometry(twipsRect(4920, 5100, 3975, 1755));
    // The first note has room for three lines: the note for every browser needs them.
    m_note1 = addLabel(frame2, {}, twipsRect(240, 480, 3630, 600), true);
    m_note2 = addLabel(frame2, {}, twipsRect(240, 1110, 3615, 495), true);
    m_note1->setObjectName("note1");
    m_note2->setObjectName("note2");
    showBlock(m_state.everyBrowserBlock);
    // Tab goes as one reads: the code, the row of buttons under it, the choices under those.
    QWidget* order[] = {m_txtCode,   m_lblPreview, m_lblCopy,  m_lblExit, m_lblClassic,
                        m_lblModern, m_cboReach,   m_txtReach, m_txtDark};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_lblCopy->setFocus(); // the window's first errand
}

LabelButton* frmCode::addButton(const QString& caption, QAnyStringView name, int left, int top,
                                int width, int height) {
    // The back shape stands 45 twips above the caption and 15 beyond it on each side; the
    // front shape, lit under the pointer, fills it less its outline.
    auto* button = new LabelButton(caption, twipsRect(left, top, width, height),
                                   twipsRect(left - 15, top - 45, width + 30, 315),
                                   twipsRect(left, top - 30, width + 15, 300), this);
    button->setObjectName(name);
    m_lighting->add(button);
    return button;
}

void frmCode::buildReachRow() {
    auto* caption = addLabel(this, tr("Reach:"), twipsRect(4920, 4275, 540, 255));
    m_cboReach = new QComboBox(this);
    m_cboReach->setObjectName("cboReach");
    m_cboReach->setFont(programFont());
    // In the order of BlockReach::Kind.
    m_cboReach->addItems({tr("Every scroll box"), tr("The page only"), tr("Boxes matching:")});
    m_cboReach->setGeometry(twipsRect(5460, 4230, 1935, 315));
    m_cboReach->setCurrentIndex(static_cast<int>(m_state.blockReach.kind()));
    m_cboReach->setAccessibleName(tr("Reach of the code for every browser"));
    caption->setBuddy(m_cboReach);
    m_txtReach = new QLineEdit(QString::fromStdString(m_state.reachSelectors), this);
    m_txtReach->setObjectName("txtReach");
    m_txtReach->setFont(programFont());
    m_txtReach->setGeometry(twipsRect(7455, 4230, 1440, 315));
    m_txtReach->setPlaceholderText(QStringLiteral(".sidebar, textarea"));
    m_txtReach->setAccessibleName(tr("Selector list"));
    connect(m_cboReach, &QComboBox::activated, this, &frmCode::cboReach_Change);
    connect(m_txtReach, &QLineEdit::editingFinished, this, &frmCode::cboReach_Change);
}

// A new reach shows its block at once. A selector list is taken when the field is left or
// Enter is pressed; one that cannot be used is said, and the block stays as it was.
void frmCode::cboReach_Change() {
    const auto kind = static_cast<BlockReach::Kind>(m_cboReach->currentIndex());
    enableReach();
    if (kind != BlockReach::Kind::Selector) {
        m_state.blockReach = kind == BlockReach::Kind::Page ? BlockReach::page() : BlockReach();
        showBlock(true);
        return;
    }
    const std::string text = m_txtReach->text().toStdString();
    if (ascii::trimmed(text).empty()) {
        m_txtReach->setFocus(); // nothing named yet
    } else if (const auto reach = BlockReach::matching(text)) {
        m_state.blockReach = *reach;
        m_state.reachSelectors = text;
        showBlock(true);
    } else {
        refuseSelectors(reach.why());
    }
}

void frmCode::refuseSelectors(std::string why) {
    why[0] = ascii::upper(why[0]);
    // The reason is the selector check's, in English as the command line has it.
    m_ui.showMessage(tr("%1.\r\nThe code stays as it was.").arg(QString::fromStdString(why)),
                     PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
}

void frmCode::buildDarkRow() {
    auto* caption = addLabel(this, tr("Dark theme:"), twipsRect(4920, 4755, 1020, 255));
    m_txtDark = new QLineEdit(QString::fromStdString(m_state.darkWhenSelectors), this);
    m_txtDark->setObjectName("txtDark");
    m_txtDark->setFont(programFont());
    m_txtDark->setGeometry(twipsRect(6135, 4710, 2760, 315));
    m_txtDark->setPlaceholderText(QStringLiteral("html.dark"));
    m_txtDark->setAccessibleName(tr("Dark theme selector"));
    const QString what = tr("The site's own dark theme, as a selector list, where the dark set "
                            "applies instead of in the system's dark mode; empty for the system's "
                            "dark mode");
    m_txtDark->setAccessibleDescription(what);
    m_txtDark->setToolTip(what + QLatin1Char('.'));
    caption->setBuddy(m_txtDark);
    connect(m_txtDark, &QLineEdit::editingFinished, this, &frmCode::txtDark_Change);
}

// Taken as the reach's selector list is: when the field is left or Enter is pressed, and a list
// that cannot be used is said while the block stays as it was. Empty is the system's dark mode.
void frmCode::txtDark_Change() {
    const std::string text = m_txtDark->text().toStdString();
    if (ascii::trimmed(text).empty()) {
        m_state.darkWhen.clear();
    } else if (const auto checked = BlockReach::matching(text)) {
        m_state.darkWhen = checked->selectors();
    } else {
        refuseSelectors(checked.why());
        return;
    }
    m_state.darkWhenSelectors = text;
    // The field is left also when the classic block is chosen: that one stays.
    showBlock(m_state.everyBrowserBlock);
}

// The reach is the every-browser block's (the classic block is the classic program's, whatever
// the reach), and its selector field is for "Boxes matching:"; so is the dark theme.
void frmCode::enableReach() {
    m_cboReach->setEnabled(m_state.everyBrowserBlock);
    // Only a project with a dark set has a dark theme to apply it in.
    m_txtDark->setEnabled(m_state.everyBrowserBlock && m_state.darkScheme);
    m_txtReach->setEnabled(m_state.everyBrowserBlock &&
                           m_cboReach->currentIndex() ==
                               static_cast<int>(BlockReach::Kind::Selector));
}

void frmCode::showBlock(bool everyBrowser) {
    m_lblClassic->setLit(false);
    m_lblModern->setLit(false);
    m_state.everyBrowserBlock = everyBrowser;
    m_lblClassic->setChosen(!everyBrowser);
    m_lblModern->setChosen(everyBrowser);
    enableReach();
    const std::string block =
        everyBrowser
            ? buildEveryBrowserBlock(m_state.project(), m_state.blockReach, m_state.darkWhen)
            : buildStyleBlock(m_state.scheme);
    m_txtCode->setPlainText(
        QString::fromStdString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (everyBrowser) {
        m_note1->setText(tr("Chrome, Edge, Opera and Safari draw the classic scrollbar in all "
                            "seven colors, as Internet Explorer 5.5 + does."));
        m_note2->setText(tr("Firefox shows only the Face and Track colors."));
    } else {
        m_note1->setText(
            tr("The Code generated by Brisvane affects only Intenet Explorer 5.5 +. "));
        m_note2->setText(
            tr("Colors will not be visible and will not effect other Internet browsers."));
    }
}

void frmCode::buildExamplePage(QGroupBox* frame) {
    // A web page in miniature, every tag in its colour. It is fixed text: it shows where the
    // block goes, not the current colours.
    const ExampleRow rows[] = {
        {1230, 120, false, {{"<html>", blue}}},
        {1470, 120, true, {{"<head>", blue}}},
        {1710,
         120,
         false,
         {{"<title>", blue}, {QT_TR_NOOP("Colorful Scrollbars"), black}, {"</title>", blue}}},
        {1950, 120, true, {{"<style type=\"text/css\">", red}}},
        {2175, 120, true, {{"<!--", red}}},
        {2370, 345, true, {{"body", red}}},
        {2625, 330, true, {{"{", red}}},
        {4155, 345, true, {{"}", red}}},
        {4350, 120, true, {{"-->", red}}},
        {4590, 120, true, {{"</style>", red}}},
        {4830, 120, true, {{"</head>", blue}}},
        {5070, 120, false, {{"<body>", blue}}},
        {5310, 120, false, {{"<p>", blue}, {QT_TR_NOOP("\"Hello World\""), black}, {"</p>", blue}}},
        {5550,
         120,
         false,
         {{"<p>", blue}, {QT_TR_NOOP("Look at my Colorful Scrollbars!"), black}, {"</p>", blue}}},
        {5775, 120, false, {{"</body>", blue}}},
        {6015, 120, false, {{"</html>", darkBlue}}},
    };
    for (const ExampleRow& row : rows) {
        QString html;
        for (const Piece& piece : row.pieces) {
            // The tags are code; the page's words are the reader's language.
            const QString text =
                (piece.color ? QString::fromUtf8(piece.text) : tr(piece.text)).toHtmlEscaped();
            html += piece.color ? QStringLiteral("<span style=\"color:%1\">%2</span>")
                                      .arg(QLatin1String(piece.color), text)
                                : text;
        }
        auto* label = new QLabel(html, frame);
        label->setTextFormat(Qt::RichText);
        label->setFont(programFont(row.bold));
        label->setGeometry(twipsRect(row.left, row.top, 4500 - row.left, 255));
    }
    auto* declarations = addLabel(
        frame,
        QStringLiteral("scrollbar-face-color:#C0C0C0; scrollbar-highlight-color:#FFFFFF; "
                       "scrollbar-3dlight-color:#C0C0C0; scrollbar-darkshadow-color:#000000; "
                       "scrollbar-shadow-color:#808080; scrollbar-track-color:#E0E0E0; "
                       "scrollbar-arrow-color:#000000;"),
        twipsRect(540, 2820, 3960, 1440), true);
    declarations->setFont(programFont(true));
    QPalette redText = declarations->palette();
    redText.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    declarations->setPalette(redText);
}

QString frmCode::code() const {
    QString text = m_txtCode->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmCode::lblCopy_Click() {
    m_lblCopy->setLit(false);
    if (!m_ui.setClipboardText(code())) {
        m_ui.showMessage(tr("The code could not be copied to the clipboard."),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return;
    }
    m_ui.showMessage(tr("The code has been copied\r\nto the clipboard."), PlatformUi::Buttons::Ok,
                     PlatformUi::Icon::Information);
}

void frmCode::lblPreview_Click() {
    m_lblPreview->setLit(false);
    const QString folder = m_ui.cacheFolder();
    const Result<std::string> page =
        folder.isEmpty()
            ? Result<std::string>::failed(tr("the cache folder could not be found").toStdString())
            : writePrivatePage(QFile::encodeName(folder).toStdString(),
                               buildBrowserPage(code().toStdString(), !m_state.everyBrowserBlock));
    if (!page) {
        m_ui.showMessage(tr("The preview page could not be written: %1.")
                             .arg(textOfBytes(ascii::oneLine(page.why()))),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
    } else if (!m_ui.openWithShell(
                   QUrl::fromLocalFile(QFile::decodeName(page->c_str())).toString())) {
        m_ui.showMessage(
            tr("The preview page %1 was written, but no browser could be started to show it.")
                .arg(textOfBytes(ascii::oneLine(*page))),
            PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
    }
}

void frmCode::lblExit_Click() {
    close();
}

} // namespace brisvane
