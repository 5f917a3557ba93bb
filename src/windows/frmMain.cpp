#include "windows/frmMain.h"

#include "generate/PreviewPage.h"
#include "import/ScrollbarColorReader.h"
#include "platform/ByteText.h"
#include "platform/HtmlView.h"
#include "platform/PlatformUi.h"
#include "platform/Twips.h"
#include "scheme/ColorFieldText.h"
#include "scheme/HexColor.h"
#include "store/ProjectStore.h"
#include "text/Ascii.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/ColorPicture.h"
#include "windows/ColorRows.h"
#include "windows/ColorSetControls.h"
#include "windows/FieldCharacters.h"
#include "windows/FileCommands.h"
#include "windows/HelpCommands.h"
#include "windows/LabelButton.h"
#include "windows/LabelButtonGroup.h"
#include "windows/PictureFaceStates.h"
#include "windows/ProgramFont.h"
#include "windows/ShapeControl.h"
#include "windows/frmCode.h"
#include "windows/frmOpen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

namespace brisvane {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    return label;
}

} // namespace

frmMain::frmMain(AppState& state, PlatformUi& ui, ProjectStore& store, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_ui(ui), m_store(store),
      m_commands(new FileCommands(state, ui, store, this)),
      m_help(new HelpCommands(state, ui, this)) {
    m_pictureFolder = pathForHtml(ui.folders().resources);
    setProjectName({});
    buildForm();
    buildMenus();
    Form_Load();
    colorField(ColorRole::Face)->setFocus(); // the keyboard starts in the first colour field
}

frmMain::~frmMain() = default;

void frmMain::buildForm() {
    m_form = new QWidget(this);
    m_form->setFont(programFont());
    m_form->setFixedSize(twipsToPixels(9015), twipsToPixels(6900));
    setCentralWidget(m_form);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_lighting = new LabelButtonGroup(m_form);

    auto* shape1 = new ShapeControl(ShapeControl::Form::Rectangle, m_form);
    shape1->setBorderColor(Qt::black);
    shape1->setGeometry(twipsRect(240, 240, 8535, 2415));
    addLabel(m_form, tr("Enlarged Scrollbar"), twipsRect(3720, 0, 1575, 255));
    m_rows = std::make_unique<ColorRows>(m_state, m_form);
    for (ColorRole role : everyColorRole)
        connectRole(role);
    buildButtons();
    // The band under the rows: the hover and pressed rows (made with the others), the sets.
    m_setControls = new ColorSetControls(m_state, m_ui, m_form, *m_lighting);
    connect(m_setControls, &ColorSetControls::setChanged, this, [this] { showColors(true); });

    auto* shape2 = new ShapeControl(ShapeControl::Form::Rectangle, m_form);
    shape2->setBorderColor(Qt::black);
    shape2->setGeometry(twipsRect(5910, 3000, 2865, 2205));
    m_DHTMLEdit1 = new HtmlView(m_form);
    m_DHTMLEdit1->setObjectName("DHTMLEdit1");
    m_DHTMLEdit1->setFrameShape(QFrame::NoFrame);
    m_DHTMLEdit1->setGeometry(twipsRect(5925, 3015, 2835, 2175));
    m_DHTMLEdit1->setAccessibleName(tr("Sample page"));
    m_DHTMLEdit1->setTabChangesFocus(true); // the sample page has no links to go through
    // Tab goes down each column as one reads it, which is the order the parts are made in, but
    // for the button under the sample page.
    setTabOrder(m_DHTMLEdit1, m_setControls->darkSetButton());
}

void frmMain::connectRole(ColorRole role) {
    ColorField* field = colorField(role);
    connect(field, &QLineEdit::textChanged, this, [this, role] { txtHex_Change(role); });
    connect(field, &ColorField::lostFocus, this, [this, role] { txtHex_LostFocus(role); });
    for (ColorPicture* part : roleParts(role))
        connect(part, &ColorPicture::clicked, this, [this, role] { picture_Click(role); });
}

void frmMain::buildButtons() {
    m_lblCreate =
        new LabelButton(tr("Generate Scrollbar"), twipsRect(3495, 4320, 1920, 255),
                        twipsRect(3480, 4275, 1950, 315), twipsRect(3495, 4290, 1935, 300), m_form);
    m_lblCreate->setObjectName("lblCreate");
    m_lblCreate->setToolTip(
        tr("This creates the copy'n'paste Style tag that you insert into any HTML file."));
    m_lblReset =
        new LabelButton(tr("Reset"), twipsRect(3480, 4740, 885, 255),
                        twipsRect(3480, 4695, 885, 315), twipsRect(3495, 4710, 885, 300), m_form);
    m_lblReset->setObjectName("lblReset");
    m_lblReset->setToolTip(tr("Reset the current Scrollbar back to default settings."));
    m_lblExit =
        new LabelButton(tr("Exit"), twipsRect(4545, 4740, 885, 270),
                        twipsRect(4545, 4695, 885, 315), twipsRect(4560, 4710, 885, 300), m_form);
    m_lblExit->setObjectName("lblExit");
    m_lblExit->setToolTip(tr("Exit Brisvane"));
    for (LabelButton* b : {m_lblCreate, m_lblReset, m_lblExit})
        m_lighting->add(b);
    connect(m_lblCreate, &LabelButton::clicked, this, &frmMain::lblCreate_Click);
    connect(m_lblReset, &LabelButton::clicked, this, &frmMain::lblReset_Click);
    connect(m_lblExit, &LabelButton::clicked, this, &frmMain::lblExit_Click);
    auto* generate = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(generate, &QShortcut::activated, this, &frmMain::lblCreate_Click);
}

void frmMain::buildMenus() {
    const auto item = [](QMenu* menu, const QString& text, QAnyStringView name,
                         const QKeySequence& key) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    m_mnuFile = menuBar()->addMenu(tr("&File"));
    m_mnuFile->setObjectName("mnuFile");
    m_mnuFileNew = item(m_mnuFile, tr("New..."), "mnuFileNew", QKeySequence::New);
    m_mnuFileOpen = item(m_mnuFile, tr("Open..."), "mnuFileOpen", QKeySequence::Open);
    m_mnuFile->addSeparator();
    m_mnuFileSave = item(m_mnuFile, tr("Save"), "mnuFileSave", QKeySequence::Save);
    m_mnuFileImport = item(m_mnuFile, tr("Import Colors from Page..."), "mnuFileImport",
                           QKeySequence(Qt::CTRL | Qt::Key_I));
    m_mnuFile->addSeparator();
    m_mnuFileExit = item(m_mnuFile, tr("Exit"), "mnuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_mnuHelp = menuBar()->addMenu(tr("&Help"));
    m_mnuHelp->setObjectName("mnuHelp");
    m_mnuHelpContents =
        item(m_mnuHelp, tr("Contents..."), "mnuHelpContents", QKeySequence(Qt::Key_F1));
    m_mnuHelp->addSeparator();
    m_mnuHelpVisit = item(m_mnuHelp, tr("Visit Quelmark"), "mnuHelpVisit", {});
    // Save, by the menu or its key, is offered only while there are changes.
    m_mnuFileSave->setEnabled(m_state.schemeModified());
    connect(&m_state, &AppState::modifiedChanged, m_mnuFileSave, &QAction::setEnabled);
    connect(m_mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(m_mnuFileNew, &QAction::triggered, m_commands, &FileCommands::mnuFileNew_Click);
    connect(m_mnuFileOpen, &QAction::triggered, m_commands, &FileCommands::mnuFileOpen_Click);
    connect(m_mnuFileSave, &QAction::triggered, m_commands, &FileCommands::mnuFileSave_Click);
    connect(m_mnuFileImport, &QAction::triggered, m_commands, &FileCommands::mnuFileImport_Click);
    connect(m_commands, &FileCommands::projectNamed, this, &frmMain::setProjectName);
    connect(m_commands, &FileCommands::createOpenWindowMade, this, &frmMain::attach);
    connect(m_commands, &FileCommands::colorsImported, this, &frmMain::importColors);
    connect(m_mnuHelpContents, &QAction::triggered, m_help, &HelpCommands::mnuHelpContents_Click);
    connect(m_mnuHelpVisit, &QAction::triggered, m_help, &HelpCommands::mnuHelpVisit_Click);
}

void frmMain::importColors(const ScrollbarColors& read) {
    // The page's dark-mode colours go into the dark set, or make one over the dark defaults.
    if (read.givesDark())
        m_state.darkScheme = read.over(m_state.darkScheme.value_or(darkDefaultScheme), true);
    // The light set's colours go in as if typed, with all that follows.
    if (m_state.editingDark) {
        m_state.editingDark = false;
        showColors(true);
    }
    for (ColorRole role : everyColorRole) {
        if (const auto& color = read.color(role, false))
            colorField(role)->setText(QString::fromStdString(colorToHex(*color)));
    }
    m_setControls->showChoice();
}

void frmMain::Form_Load() {
    m_state.scheme = startScheme;
    showPreviewPage();
}

ColorField* frmMain::colorField(ColorRole role) const {
    return m_rows->field(role);
}

const std::vector<ColorPicture*>& frmMain::roleParts(ColorRole role) const {
    return m_rows->parts(role);
}

void frmMain::txtHex_Change(ColorRole role) {
    ColorField* field = colorField(role);
    if (!m_showingProject) // showing a project or a set changes neither
        m_state.setSchemeModified(true);
    const ColorFieldOutcome outcome =
        processColorFieldText(firstUserCharacters(field->text(), colorFieldCharacters), role);
    if (outcome.invalidCharPos)
        m_state.invalidCharPos = *outcome.invalidCharPos;
    const QString text = QString::fromStdString(outcome.fieldText);
    if (field->text() != text) {
        // Writing the processed text comes back here, and that run shows it everywhere.
        field->setText(text);
    } else {
        m_state.editing().setColor(role, outcome.storedText);
        const ColorValue color = hexToColor(outcome.fieldText);
        for (ColorPicture* part : roleParts(role))
            part->setBackColor(color);
        colorsChanged();
        field->setCursorPosition(static_cast<int>(text.size()));
    }
    // The windows come after the field, the swatch and the preview show the cleaned text.
    showHexErrors(outcome.errorWindows);
}

void frmMain::txtHex_LostFocus(ColorRole role) {
    ColorField* field = colorField(role);
    const std::size_t zeros =
        zerosOnLeaving(firstUserCharacters(field->text(), colorFieldCharacters).size(), role);
    if (zeros > 0)
        field->setText(field->text() + QString(static_cast<qsizetype>(zeros), QLatin1Char('0')));
}

void frmMain::showHexErrors(int count) {
    if (m_showingProject)
        return;
    for (int i = 0; i < count; ++i)
        m_help->showHexError();
}

void frmMain::picture_Click(ColorRole role) {
    // The scheme counts as changed from the click on, also when the chooser is cancelled.
    m_state.setSchemeModified(true);
    pickColor(role);
}

void frmMain::pickColor(ColorRole role) {
    const auto chosen = m_ui.chooseColor(roleText(chooserTitle(role)), 0);
    if (!chosen)
        return;
    for (ColorPicture* part : roleParts(role))
        part->setBackColor(*chosen);
    const HexColor text = colorToHex(*chosen);
    m_state.editing().setColor(role, text);
    colorField(role)->setText(QString::fromStdString(text));
    colorsChanged();
}

void frmMain::colorsChanged() {
    // A state's swatch shows its colour, or the face while it is unset.
    for (ColorRole state : stateColorRoles)
        roleParts(state).front()->setBackColor(hexToColor(m_state.editing().faceWhile(state)));
    showPreviewPage();
    m_rows->faceStates().showFaces();
    m_setControls->showContrast();
}

void frmMain::showPreviewPage() {
    const ScrollbarScheme& shown = m_state.editing();
    // The page says the seven colours; the states, which no page can say, go to its bar.
    const auto state = [](const std::string& text) {
        return text.empty() ? std::nullopt : std::optional(hexToColor(text));
    };
    m_DHTMLEdit1->setStateColors(state(shown.hoverColor), state(shown.pressedColor));
    m_txtHTML = QString::fromStdString(buildPreviewPage(shown, m_pictureFolder));
    m_DHTMLEdit1->setDocumentHtml(m_txtHTML);
}

bool frmMain::createProject(const std::string& name) {
    const Outcome written = m_store.createProject(name);
    if (!written) {
        m_ui.showMessage(tr("The Project \"%1\" could not be created in\r\n%2:\r\n%3")
                             .arg(textOfBytes(name),
                                  textOfBytes(ascii::oneLine(m_store.placeShown())),
                                  textOfBytes(ascii::oneLine(written.why()))),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return false;
    }
    m_state.scheme = defaultScheme;
    m_state.darkScheme.reset();
    m_state.editingDark = false;
    showProject(name, true);
    return true;
}

void frmMain::openProject(const std::string& name) {
    const ProjectColors opened = m_store.openProject(name);
    // A file that could not be read holds no colours: those in the window stay.
    if (const Outcome read = m_store.lastRead(); !read) {
        m_ui.showMessage(tr("The Project %1 could not be opened: %2.")
                             .arg(textOfBytes(name), textOfBytes(ascii::oneLine(read.why()))),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return;
    }
    m_state.scheme = opened.light;
    m_state.darkScheme = opened.dark;
    m_state.editingDark = false;
    const ScrollbarScheme stored = m_state.scheme;
    m_ui.pumpEvents();
    // The track's swatch follows its field here.
    showProject(name, false);
    reportDamagedColors(name, stored);
}

void frmMain::reportDamagedColors(const std::string& name, const ScrollbarScheme& stored) {
    QString damaged;
    for (ColorRole role : stored.rolesHoldingNoColor())
        damaged += roleText(rowLabel(role)) + QLatin1Char(' ') + textOfBytes(stored.color(role)) +
                   QStringLiteral("\r\n");
    if (damaged.isEmpty())
        return;
    m_ui.showMessage(tr("Some colours of the Project \"%1\" are not colours in the "
                        "project file:\r\n%2They are shown as the colour fields "
                        "leave them, and saving the Project stores them so.")
                         .arg(textOfBytes(name), damaged),
                     PlatformUi::Buttons::Ok, PlatformUi::Icon::Information);
}

void frmMain::attach(frmOpen& open) {
    connect(&open, &frmOpen::createRequested, this, [this, &open](const std::string& name) {
        if (createProject(name))
            open.finish();
    });
    connect(&open, &frmOpen::openRequested, this, &frmMain::openProject);
}

void frmMain::setProjectName(const std::string& name) {
    setWindowTitle(name.empty() ? tr("Brisvane") : tr("Brisvane | %1").arg(textOfBytes(name)));
}

void frmMain::showProject(const std::string& name, bool setTrackSwatch) {
    showColors(setTrackSwatch);
    setProjectName(name);
    m_state.currentProjectName = name;
    m_state.setSchemeModified(false);
}

void frmMain::showColors(bool setTrackSwatch) {
    // Colours first, then each field: a field whose text changes goes through its rules and
    // stores its text again. The face group goes first, then the arrows, then the track, then
    // the states, whose swatches may show the face.
    static constexpr ColorRole order[] = {
        ColorRole::Face,   ColorRole::Highlight,  ColorRole::ThreeDLight,
        ColorRole::Shadow, ColorRole::DarkShadow, ColorRole::Arrow,
        ColorRole::Track,  ColorRole::Hover,      ColorRole::Pressed};
    m_setControls->showChoice();
    m_showingProject = true;
    const ColorPicture* trackSwatch = roleParts(ColorRole::Track).front();
    for (ColorRole role : order) {
        const std::string text = m_state.editing().color(role);
        for (ColorPicture* part : roleParts(role)) {
            if (setTrackSwatch || part != trackSwatch)
                part->setBackColor(hexToColor(m_state.editing().faceWhile(role)));
        }
        // A field that holds this text already would not change, and its rules would not run:
        // they run all the same, so that the scheme keeps what they leave.
        const QString shown = QString::fromStdString(text);
        if (colorField(role)->text() == shown)
            txtHex_Change(role);
        else
            colorField(role)->setText(shown);
    }
    m_showingProject = false;
    colorsChanged();
}

void frmMain::lblCreate_Click() {
    m_lblCreate->setLit(false);
    frmCode code(m_ui, m_state);
    m_ui.showModal(code, nullptr);
}

void frmMain::lblReset_Click() {
    // Asking counts as a change, whatever the answer.
    m_state.setSchemeModified(true);
    m_lblReset->setLit(false);
    const auto answer = m_ui.showMessage(
        tr("You are about to Reset the current Scrollbar to default settings.\r\nAre you sure?"),
        PlatformUi::Buttons::YesNo, PlatformUi::Icon::None, tr("Confirm Reset"));
    if (answer != PlatformUi::Answer::Yes)
        return;
    // A field whose text changes shows the new colour everywhere through its own rules; one
    // that already holds its default shows it already. The dark set has defaults of its own.
    m_state.editing() = m_state.showsDark() ? darkDefaultScheme : defaultScheme;
    for (ColorRole role : everyColorRole)
        colorField(role)->setText(QString::fromStdString(m_state.editing().color(role)));
    colorsChanged();
}

void frmMain::lblExit_Click() {
    close();
}

void frmMain::mnuFileExit_Click() {
    close();
}

bool frmMain::queryUnload() {
    return !m_commands->Form_QueryUnload();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Every way of closing comes here: Exit, the menu, the close box, the desktop.
    if (m_closeApproved || queryUnload()) {
        m_closeApproved = false;
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace brisvane
