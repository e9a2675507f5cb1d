#include "OrdelWindow.h"

#include "AboutText.h"
#include "AtSpiRepair.h"
#include "BeadArray.h"
#include "CaptionLabel.h"
#include "FrameLines.h"
#include "HelpViewer.h"
#include "PressArea.h"
#include "QtMessageBox.h"
#include "Spoken.h"
#include "WindowLayout.h"
#include "exercises/Texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyleOptionSlider>
#include <QThread>

#include <array>
#include <initializer_list>
#include <utility>

namespace {

using namespace ordel::layout;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Under Fusion and other styles a button face takes an exact colour only from
// a style sheet that draws the border too; the caption keeps the palette's
// button-text colour.
QString addButtonStyle(Rgb c) {
    const QString rgb = QStringLiteral("rgb(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
    return QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: palette(button-text); }")
        .arg(rgb);
}

QString fromUtf8(std::initializer_list<std::string_view> pieces) {
    QString text;
    for (std::string_view piece : pieces)
        text += fromUtf8(piece);
    return text;
}

// Sets what screen readers read as a control's description. Qt tells them of
// every description set, so an unchanged one is left alone.
void describe(QWidget* control, const QString& description) {
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

// The colour of a scroll bar's groove as the running style paints it: the
// answer boxes' background. Qt names no such colour, so a scroll bar is drawn
// off screen and the middle of its groove read back.
QColor scrollBarColour(const QWidget* context) {
    QScrollBar bar(Qt::Horizontal);
    bar.setPalette(context->palette());
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.rect = QRect(0, 0, 200, 20);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.subControls = QStyle::SC_All;
    option.maximum = 100;
    option.pageStep = 10;
    option.singleStep = 1;
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        bar.style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, &bar);
    }
    const QRect groove = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarAddPage, &bar);
    const QColor colour = image.pixelColor(groove.center());
    // A style that leaves the groove unpainted: the palette's own colour.
    return colour.alpha() == 255 ? colour : context->palette().color(QPalette::Button);
}

QIcon programIcon() {
    // The drawing, at whatever size the desktop or the screen's density asks
    // for, where Qt's SVG icon engine is installed (without it the icon would
    // come out empty, or at 32 pixels scaled up).
    const QString drawing = QStringLiteral(":/icons/ordel.svg");
    QIcon icon;
    if (QFile::exists(drawing)) {
        icon.addFile(drawing);
        if (icon.pixmap(QSize(64, 64), 1.0).width() != 64)
            icon = QIcon();
    }
    // Three 32 x 32 images: the white disc with the red mark is the icon;
    // the others stand for the disabled and the selected icon.
    const std::array<std::pair<const char*, QIcon::Mode>, 3> images{{
        {":/icons/ordel-32-red.png", QIcon::Normal},
        {":/icons/ordel-32-mono.png", QIcon::Disabled},
        {":/icons/ordel-32-green.png", QIcon::Selected},
    }};
    for (const auto& [path, mode] : images) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file))
            icon.addFile(file, QSize(32, 32), mode);
    }
    return icon;
}

} // namespace

OrdelWindow::OrdelWindow(ordel::RandomSource* random, ordel::MessageBox* messages, QWidget* parent)
    : QMainWindow(parent),
      ownRandom_(random != nullptr ? nullptr : std::make_unique<ordel::ClockSeededRandom>()),
      ownMessages_(messages != nullptr ? nullptr : std::make_unique<QtMessageBox>(this)),
      messages_(messages != nullptr ? *messages : *ownMessages_),
      core_(random != nullptr ? *random : *ownRandom_, messages_),
      helpViewer_(new HelpViewer(this)) {
    setObjectName(QStringLiteral("Ordel"));
    setWindowTitle(fromUtf8(ordel::texts::kProgramTitle));
    setWindowIcon(programIcon());
    installAtSpiRepair();

    createControls();
    createMenus();
    showState();

    // The client area opens at its designed size, below the menu bar.
    resize(px(kClientWidth), px(kClientHeight) + menuBar()->sizeHint().height());

    // The load event: before the window is first shown.
    core_.setObserver(this);
    core_.Form_Load();
    tellExercise();
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
        labels_[static_cast<std::size_t>(l.id)] =
            new CaptionLabel(l, QString::fromStdString(core_.label(l.id).caption), client);
    }

    auto* check = new QPushButton(fromUtf8(kCheckCaption), client);
    check->setObjectName(fromUtf8(kCheckName));
    check->setFont(windowFont(kCheckPoints));
    check->setGeometry(pixels(kCheck));
    check->setAutoDefault(false);
    check->setAccessibleDescription(fromUtf8(kCheckDescription));
    connect(check, &QPushButton::clicked, this, [this] {
        core_.Cmd_Corrigir_Click();
        tellExercise();
    });

    for (const RodLook& r : kRodLooks) {
        auto* area = new PressArea(core_.frame(), r.rod, client);
        area->setObjectName(fromUtf8(r.area.name));
        area->setGeometry(pixels(r.area.place));
        area->setAccessibleName(fromUtf8({"Haste ", r.spoken}));
        connect(area, &PressArea::pressed, this, [this, &r](int button, int shift, int x, int y) {
            (core_.*r.area.mouseDown)(button, shift, x, y);
        });
        areas_[index(r.rod)] = area;

        auto* beads = new BeadArray(core_.frame(), r, client);
        beads->setAccessibleName(fromUtf8({"Contas da haste ", r.spoken}));
        beads_[index(r.rod)] = beads;

        auto* button = new QPushButton(fromUtf8(r.button.caption), client);
        button->setObjectName(fromUtf8(r.button.name));
        button->setFont(windowFont(kButtonPoints));
        button->setGeometry(pixels(buttonBox(r)));
        button->setStyleSheet(addButtonStyle(r.colour));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &r] { (core_.*r.button.click)(); });
        // With the button focused, Backspace and Delete take the rod's last
        // bead off through the same handler as a press on the rod: without a
        // mouse a wrong bead need not spoil the board. One bead per key press.
        buttons_[index(r.rod)] = button;
        auto* takeOff = new QShortcut(button);
        takeOff->setKeys({QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Delete)});
        takeOff->setContext(Qt::WidgetShortcut);
        takeOff->setAutoRepeat(false);
        connect(takeOff, &QShortcut::activated, area, &PressArea::press);

        // Disabled from creation on: shown in the disabled colours, never
        // focused, never typed into.
        auto* answer = new QLineEdit(client);
        answer->setObjectName(fromUtf8(r.answer.name));
        answer->setFont(windowFont(kAnswerPoints));
        answer->setGeometry(pixels(answerBox(r)));
        answer->setReadOnly(true);
        answer->setFocusPolicy(Qt::NoFocus);
        answer->setEnabled(false);
        answer->setAccessibleName(fromUtf8({"Resposta da haste ", r.spoken}));
        answer->setAccessibleDescription(
            QStringLiteral("Quantas contas a haste tinha na última correção"));
        answers_[index(r.rod)] = answer;
    }

    paintAnswerBoxes();

    new FrameLines(client);

    for (std::string_view name : kStackingOrder) {
        auto* control = client->findChild<QWidget*>(fromUtf8(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(control != nullptr);
        control->raise();
    }

    QWidget* previous = nullptr;
    for (std::string_view name : kTabOrder) {
        auto* control = client->findChild<QWidget*>(fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
    // The focus starts on "UNIDADE", so the space bar adds a units bead.
    client->findChild<QWidget*>(fromUtf8(kTabOrder.front()))->setFocus();
}

void OrdelWindow::createMenus() {
    // The menu tree in order. An entry opens a menu when the next one is a
    // level deeper; "-" is a separator.
    struct MenuEntry {
        int level;
        std::string_view name;
        std::string_view caption;
        void (ordel::Ordel::*core)() = nullptr; // a handler of the core's
        void (OrdelWindow::*own)() = nullptr;   // or one of the window's own
        bool enabled = true;
    };
    static constexpr std::array<MenuEntry, 22> kMenus{{
        {1, "MnuArq", "&Arquivo", nullptr},
        {2, "MnuNovo", "&Novo...", nullptr},
        {3, "MnuIniciante", "&Iniciante", &ordel::Ordel::MnuIniciante_Click},
        {3, "MnuAvançado", "&Avançado", &ordel::Ordel::MnuAvançado_Click},
        {2, "MnuEs", "-", nullptr},
        {2, "MnuFechar", "Sai&r", nullptr, &OrdelWindow::MnuFechar_Click},
        {1, "MnuJogo", "&Operação", nullptr},
        {2, "MnuAdição", "&Adição", &ordel::Ordel::MnuAdição_Click},
        {2, "MnuSubtração", "&Subtração", &ordel::Ordel::MnuSubtração_Click},
        {2, "MnuMultiplicação", "&Multiplicação", &ordel::Ordel::MnuMultiplicação_Click},
        {2, "MnuDivisão", "&Divisão", &ordel::Ordel::MnuDivisão_Click},
        {1, "MnuSist", "&Sistema de numeração...", nullptr},
        {2, "MnUnidade", "&Unidade", &ordel::Ordel::MnUnidade_Click},
        {2, "mnuDezena", "&Dezena", &ordel::Ordel::mnuDezena_Click},
        {2, "MNucentena", "&Centena", &ordel::Ordel::MNucentena_Click},
        {2, "MnuMilhar", "&Milhar", &ordel::Ordel::MnuMilhar_Click},
        // Switched off from creation on: "Desfazer" is never chosen.
        {1, "MnuApagar", "Apagar", nullptr, nullptr, false},
        {2, "MNuDesfazer", "Desfazer", &ordel::Ordel::MNuDesfazer_Click},
        {1, "MnuAjuda", "Aj&uda", nullptr},
        {2, "MnuTópicos", "&Tópicos da ajuda", nullptr, &OrdelWindow::MnuTópicos_Click},
        {2, "MnuEsp", "-", nullptr},
        {2, "MnuSobre", "So&bre o Ordel", nullptr, &OrdelWindow::MnuSobre_Click},
    }};

    QMenuBar* bar = menuBar();
    // The menus belong to the window's fixed layout, even on a desktop with a
    // global menu bar.
    bar->setNativeMenuBar(false);
    std::array<QMenu*, 4> open{}; // the menu being filled at each level
    for (std::size_t i = 0; i < kMenus.size(); ++i) {
        const MenuEntry& e = kMenus[i];
        const QString name = fromUtf8(e.name);
        QMenu* parentMenu = open[static_cast<std::size_t>(e.level - 1)];
        if (e.caption == "-") {
            parentMenu->addSeparator()->setObjectName(name);
            continue;
        }
        const QString caption = fromUtf8(e.caption);
        QAction* action = nullptr;
        if (i + 1 < kMenus.size() && kMenus[i + 1].level > e.level) {
            auto* menu = new QMenu(caption, e.level == 1 ? static_cast<QWidget*>(bar) : parentMenu);
            menu->setObjectName(name);
            menu->setAccessibleName(QString(caption).remove(u'&'));
            action = e.level == 1 ? bar->addMenu(menu) : parentMenu->addMenu(menu);
            open[static_cast<std::size_t>(e.level)] = menu;
        } else {
            action = parentMenu->addAction(caption);
            connect(action, &QAction::triggered, this, [this, &e] {
                if (e.core != nullptr) {
                    (core_.*e.core)();
                    tellExercise();
                } else {
                    (this->*e.own)();
                }
            });
        }
        action->setObjectName(name);
        action->setEnabled(e.enabled);
    }
    operationMenu_ = bar->findChild<QMenu*>(QStringLiteral("MnuJogo"));
}

// The answer boxes take the colour of a scroll bar's groove, under whatever
// style and colours the desktop has at the time.
void OrdelWindow::paintAnswerBoxes() {
    if (answers_.back() == nullptr)
        return; // not built yet
    const QColor colour = scrollBarColour(this);
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
    for (ordel::Rod rod : ordel::kAllRods)
        answerChanged(rod);
    for (ordel::Rod rod : ordel::kAllRods)
        countChanged(rod);
    operationMenuChanged();
}

// Each rod's press area, beads and add button tell screen readers the rod's
// bead count.
void OrdelWindow::countChanged(ordel::Rod rod) {
    areas_[index(rod)]->countChanged();
    const QString count = spoken::beadCount(core_.frame().count(rod));
    describe(areas_[index(rod)],
             count + QStringLiteral("; um clique nesta haste tira a última conta"));
    describe(beads_[index(rod)], count);
    // The add button has the focus while the pupil adds and takes off beads,
    // and screen readers speak a change to the focused control's description,
    // not to the rod's: so the count opens the button's description too.
    describe(buttons_[index(rod)],
             count + fromUtf8({". Adicionar uma conta na haste ", look(rod).spoken,
                               "; as teclas Backspace e Delete tiram a última conta"}));
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
    label->setCaption(QString::fromStdString(l.caption));
    label->setVisible(l.visible);
    // At level "Iniciante" Numero2 holds the number to build.
    if (id == ordel::LabelId::Legenda) {
        describe(labels_[static_cast<std::size_t>(ordel::LabelId::Numero2)],
                 l.caption == ordel::texts::kIniciante
                     ? QStringLiteral("Número a formar com as contas")
                     : fromUtf8(look(ordel::LabelId::Numero2).description));
    }
}

// Screen readers read the window's name on entering it and when asked for
// its title, and speak it again when it changes: it tells the exercise. It is
// set once a handler has run to the end, so that a new exercise is told once,
// as it stands, not piece by piece while its labels change.
void OrdelWindow::tellExercise() {
    const QString name = spoken::exercise(core_);
    if (name != accessibleName())
        setAccessibleName(name);
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
    messages_.show(ordel::aboutText(), "Sobre o Ordel", ordel::MessageIcon::Information);
}

void OrdelWindow::closeEvent(QCloseEvent* event) {
    // No question and nothing to save: the run ends here, whatever other
    // window (the help) is still open. With no event loop running (the window
    // driven by a test) there is nothing to end.
    event->accept();
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
