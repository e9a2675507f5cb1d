#include "OrdelWindow.h"

#include "AboutText.h"
#include "Accessibility.h"
#include "Appearance.h"
#include "BeadArray.h"
#include "CaptionLabel.h"
#include "FrameLines.h"
#include "HelpViewer.h"
#include "PressArea.h"
#include "QtMessageBox.h"
#include "WindowLayout.h"
#include "Words.h"
#include "exercises/Texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>

#include <algorithm>

using namespace ordel::layout;

OrdelWindow::OrdelWindow(ordel::RandomSource* random, ordel::MessageBox* messages, QWidget* parent)
    : QMainWindow(parent),
      ownRandom_(random != nullptr ? nullptr : std::make_unique<ordel::ClockSeededRandom>()),
      ownMessages_(messages != nullptr ? nullptr : std::make_unique<QtMessageBox>(this)),
      messages_(messages != nullptr ? *messages : *ownMessages_),
      core_(random != nullptr ? *random : *ownRandom_, messages_),
      helpViewer_(new HelpViewer(this)) {
    setObjectName(QStringLiteral("Ordel"));
    setWindowTitle(QString::fromUtf8(ordel::texts::kProgramTitle));
    setWindowIcon(programIcon());
    accessibility::install();

    createControls();
    createMenus();
    showState();

    // The client area opens at its designed size, below the menu bar, which
    // is as high as the window's layout will make it at that width.
    resize(px(kClientWidth), px(kClientHeight) + menuBar()->heightForWidth(px(kClientWidth)));

    // The load event: before the window is first shown.
    core_.setObserver(this);
    core_.Form_Load();
    accessibility::tellExercise(core_, this);
}

OrdelWindow::~OrdelWindow() {
    core_.setObserver(nullptr);
}

void OrdelWindow::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAutoFillBackground(true);
    client->setBackgroundRole(QPalette::Button);
    setCentralWidget(client);

    for (const LabelLook& l : kLabelLooks) {
        const QString caption = QString::fromStdString(core_.label(l.id).caption);
        auto* label = new CaptionLabel(l, caption, client);
        accessibility::nameLabel(l.id, label);
        accessibility::tellCaption(label, caption);
        labels_[static_cast<std::size_t>(l.id)] = label;
    }

    auto* check = new QPushButton(QString::fromUtf8(ordel::words::kCheckButton), client);
    check->setObjectName(QString::fromUtf8(kCheckName));
    check->setFont(windowFont(kCheckPoints));
    check->setGeometry(pixels(kCheck));
    check->setAutoDefault(false);
    accessibility::nameCheckButton(check);
    connect(check, &QPushButton::clicked, this, [this] { run(&ordel::Ordel::Cmd_Corrigir_Click); });

    for (const RodLook& r : kRodLooks) {
        auto* area = new PressArea(core_.frame(), r.rod, client);
        area->setObjectName(QString::fromUtf8(r.area.name));
        area->setGeometry(pixels(r.area.place));
        connect(area, &PressArea::pressed, this, [this, &r](int button, int shift, int x, int y) {
            (core_.*r.area.mouseDown)(button, shift, x, y);
        });
        areas_[index(r.rod)] = area;

        auto* beads = new BeadArray(core_.frame(), r, client);
        beads_[index(r.rod)] = beads;

        auto* button =
            new QPushButton(QString::fromUtf8(ordel::words::kRodButtons[index(r.rod)]), client);
        button->setObjectName(QString::fromUtf8(r.button.name));
        button->setFont(windowFont(kButtonPoints));
        button->setGeometry(pixels(buttonBox(r)));
        button->setStyleSheet(addButtonStyle(r.colour));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &r] { (core_.*r.button.click)(); });
        // The window watches the button's keys and focus (eventFilter).
        button->installEventFilter(this);
        buttons_[index(r.rod)] = button;

        // Disabled from creation on: shown in the disabled colours, never
        // focused, never typed into.
        auto* answer = new QLineEdit(client);
        answer->setObjectName(QString::fromUtf8(r.answer.name));
        answer->setFont(windowFont(kAnswerPoints));
        answer->setGeometry(pixels(answerBox(r)));
        answer->setReadOnly(true);
        answer->setFocusPolicy(Qt::NoFocus);
        answer->setEnabled(false);
        answers_[index(r.rod)] = answer;
        accessibility::nameRod(r.rod, area, beads, answer);
    }

    paintAnswerBoxes();

    new FrameLines(client);

    // A name there that no control bears, or a control that it does not name
    // once, is a fault in the layout's tables: stop at once, naming it,
    // rather than stack the rest wrongly.
    for (std::string_view name : kStackingOrder) {
        auto* control =
            client->findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (control == nullptr)
            qFatal("kStackingOrder names \"%.*s\", which is no control of the window",
                   int(name.size()), name.data());
        control->raise();
    }
    for (const QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = control->objectName().toStdString();
        if (std::ranges::count(kStackingOrder, std::string_view(name)) != 1)
            qFatal("The control \"%s\" is not named once in kStackingOrder", name.c_str());
    }

    // Tab goes from the units' button up to the thousands', then to
    // "CORRIGIR". The focus starts on "UNIDADE", so the space bar adds a
    // units bead.
    const auto button = [this](std::size_t i) {
        return buttons_[index(ordel::kUnitsFirst[i])];
    };
    for (std::size_t i = 1; i < ordel::kUnitsFirst.size(); ++i)
        setTabOrder(button(i - 1), button(i));
    setTabOrder(button(ordel::kUnitsFirst.size() - 1), check);
    button(0)->setFocus();
}

// Runs a handler of the core's that may set a new exercise, and then tells
// screen readers the exercise: once, as it stands when the handler is done,
// not piece by piece while its labels change.
void OrdelWindow::run(void (ordel::Ordel::*handler)()) {
    (core_.*handler)();
    accessibility::tellExercise(core_, this);
}

// The answer boxes take the colour of a scroll bar's groove, under whatever
// style and colours the desktop has at the time.
void OrdelWindow::paintAnswerBoxes() {
    if (answers_.back() == nullptr)
        return; // not built yet
    const QColor colour = grooveColour(this);
    for (QLineEdit* answer : answers_) {
        QPalette palette = answer->palette();
        palette.setColor(QPalette::Base, colour);
        answer->setPalette(palette);
    }
}

void OrdelWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        paintAnswerBoxes();
}

// Makes every control show what the core holds, whatever it was created with.
void OrdelWindow::showState() {
    for (ordel::LabelId id : ordel::kAllLabels)
        labelChanged(id);
    for (ordel::Rod rod : ordel::kAllRods) {
        answerChanged(rod);
        countChanged(rod);
    }
    operationMenuChanged();
}

void OrdelWindow::countChanged(ordel::Rod rod) {
    accessibility::tellCount(rod, core_.frame().count(rod), areas_[index(rod)], beads_[index(rod)],
                             buttons_[index(rod)]);
}

void OrdelWindow::beadChanged(ordel::Rod rod, int bead) {
    beads_[index(rod)]->beadChanged(bead);
}

void OrdelWindow::answerChanged(ordel::Rod rod) {
    answers_[index(rod)]->setText(QString::fromStdString(core_.frame().answer(rod)));
}

void OrdelWindow::labelChanged(ordel::LabelId id) {
    const ordel::Label& l = core_.label(id);
    CaptionLabel* label = labels_[static_cast<std::size_t>(id)];
    const QString caption = QString::fromStdString(l.caption);
    accessibility::tellCaption(label, caption);
    label->setCaption(caption);
    label->setVisible(l.visible);
    // At level "Iniciante" Numero2 holds the number to build.
    if (id == ordel::LabelId::Legenda) {
        accessibility::tellLevel(l.caption == ordel::texts::kIniciante,
                                 labels_[static_cast<std::size_t>(ordel::LabelId::Numero2)]);
    }
}

void OrdelWindow::operationMenuChanged() {
    operationMenu_->menuAction()->setVisible(core_.operationMenuVisible());
}

void OrdelWindow::MnuFechar_Click() {
    close();
}

void OrdelWindow::MnuTópicos_Click() {
    if (helpViewer_ == nullptr)
        return;
    helpViewer_->setProperty("HelpFile", QStringLiteral("ORDEL.HLP"));
    helpViewer_->setProperty("HelpCommand", HelpViewer::kContents);
    QMetaObject::invokeMethod(helpViewer_, "ShowHelp");
}

void OrdelWindow::MnuSobre_Click() {
    messages_.show(ordel::aboutText(), ordel::words::kAboutTitle, ordel::MessageIcon::Information);
}

void OrdelWindow::closeEvent(QCloseEvent* event) {
    // No question and nothing to save: the run ends here, whatever other
    // window (the help) is still open. With no event loop running (the window
    // driven by a test) there is nothing to end.
    event->accept();
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
