#pragma once

// moc cannot read the core's accented names, and needs none of them.
#ifndef Q_MOC_RUN
#include "exercises/Ordel.h"
#include "exercises/RandomSource.h"
#endif

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <string_view>

class BeadArray;
class CaptionLabel;
class PressArea;
class QLineEdit;
class QMenu;
class QPushButton;
class QtMessageBox;

// The program's one window. It builds the controls and the menus at their
// fixed places, forwards every user event to the handler of the same name in
// the core, and shows what the core's state says, told of each change through
// the StateObserver interface.
class OrdelWindow : public QMainWindow, private ordel::StateObserver {
    Q_OBJECT

public:
    // Without a random source or a message box of its own choosing the window
    // uses the clock-seeded source and Qt message boxes.
    explicit OrdelWindow(ordel::RandomSource* random = nullptr,
                         ordel::MessageBox* messages = nullptr, QWidget* parent = nullptr);
    ~OrdelWindow() override;

    [[nodiscard]] const ordel::Ordel& core() const { return core_; }

    // The object that "Tópicos da ajuda" drives by member name: the properties
    // HelpFile and HelpCommand and the invokable method ShowHelp. The window
    // does not take ownership of a viewer given here.
    void setHelpViewer(QObject* viewer) { helpViewer_ = viewer; }
    [[nodiscard]] QObject* helpViewer() const { return helpViewer_; }

    // The window's own menu commands: exit, help and about.
    void MnuFechar_Click();
    void MnuTópicos_Click();
    void MnuSobre_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void showState();
    void paintAnswerBoxes();
    void run(void (ordel::Ordel::*handler)());

    // The menu tree's builders, each naming its entry as the handlers do.
    template <class Parent>
    static QMenu* addMenu(Parent* parent, const char* name, std::string_view caption);
    template <class Target>
    void addItem(QMenu* menu, const char* name, std::string_view caption,
                 void (Target::*handler)());

    void beadChanged(ordel::Rod rod, int bead) override;
    void answerChanged(ordel::Rod rod) override;
    void countChanged(ordel::Rod rod) override;
    void labelChanged(ordel::LabelId id) override;
    void operationMenuChanged() override;

    std::unique_ptr<ordel::ClockSeededRandom> ownRandom_;
    std::unique_ptr<QtMessageBox> ownMessages_;
    ordel::MessageBox& messages_;
    ordel::Ordel core_;

    std::array<PressArea*, ordel::kRodCount> areas_{};
    std::array<QPushButton*, ordel::kRodCount> buttons_{};
    std::array<BeadArray*, ordel::kRodCount> beads_{};
    std::array<QLineEdit*, ordel::kRodCount> answers_{};
    std::array<CaptionLabel*, 6> labels_{};
    QMenu* operationMenu_ = nullptr;
    QPointer<QObject> helpViewer_;
};
