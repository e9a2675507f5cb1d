// The window's menu tree, built as it reads: each menu and item named as the
// handlers are, with its caption from Words.h.

#include "OrdelWindow.h"

#include "Words.h"

#include <QMenu>
#include <QMenuBar>

#include <type_traits>

template <class Parent>
QMenu* OrdelWindow::addMenu(Parent* parent, const char* name, std::string_view caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QString::fromUtf8(name));
    menu->setAccessibleName(menu->title().remove(u'&'));
    parent->addMenu(menu)->setObjectName(menu->objectName());
    return menu;
}

// An item runs a handler of the core's, or one of the window's own commands.
template <class Target>
void OrdelWindow::addItem(QMenu* menu, const char* name, std::string_view caption,
                          void (Target::*handler)()) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    if constexpr (std::is_same_v<Target, ordel::Ordel>)
        connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    else
        connect(action, &QAction::triggered, this, handler);
}

void OrdelWindow::createMenus() {
    using ordel::Ordel;
    using namespace ordel::words;
    QMenuBar* bar = menuBar();
    // The menus belong to the window's fixed layout, even on a desktop with a
    // global menu bar.
    bar->setNativeMenuBar(false);

    QMenu* arquivo = addMenu(bar, "MnuArq", kMenuArquivo);
    {
        QMenu* novo = addMenu(arquivo, "MnuNovo", kMenuNovo);
        {
            addItem(novo, "MnuIniciante", kMenuIniciante, &Ordel::MnuIniciante_Click);
            addItem(novo, "MnuAvançado", kMenuAvancado, &Ordel::MnuAvançado_Click);
        }
        arquivo->addSeparator()->setObjectName(QStringLiteral("MnuEs"));
        addItem(arquivo, "MnuFechar", kMenuSair, &OrdelWindow::MnuFechar_Click);
    }
    operationMenu_ = addMenu(bar, "MnuJogo", kMenuOperacao);
    {
        addItem(operationMenu_, "MnuAdição", kMenuOperations[0], &Ordel::MnuAdição_Click);
        addItem(operationMenu_, "MnuSubtração", kMenuOperations[1], &Ordel::MnuSubtração_Click);
        addItem(operationMenu_, "MnuMultiplicação", kMenuOperations[2],
                &Ordel::MnuMultiplicação_Click);
        addItem(operationMenu_, "MnuDivisão", kMenuOperations[3], &Ordel::MnuDivisão_Click);
    }
    QMenu* sistema = addMenu(bar, "MnuSist", kMenuSistema);
    {
        addItem(sistema, "MnUnidade", kMenuModes[0], &Ordel::MnUnidade_Click);
        addItem(sistema, "mnuDezena", kMenuModes[1], &Ordel::mnuDezena_Click);
        addItem(sistema, "MNucentena", kMenuModes[2], &Ordel::MNucentena_Click);
        addItem(sistema, "MnuMilhar", kMenuModes[3], &Ordel::MnuMilhar_Click);
    }
    QMenu* apagar = addMenu(bar, "MnuApagar", kMenuApagar);
    {
        // Switched off from creation on: "Desfazer" is never chosen.
        apagar->menuAction()->setEnabled(false);
        addItem(apagar, "MNuDesfazer", kMenuDesfazer, &Ordel::MNuDesfazer_Click);
    }
    QMenu* ajuda = addMenu(bar, "MnuAjuda", kMenuAjuda);
    {
        addItem(ajuda, "MnuTópicos", kMenuTopicos, &OrdelWindow::MnuTópicos_Click);
        ajuda->addSeparator()->setObjectName(QStringLiteral("MnuEsp"));
        addItem(ajuda, "MnuSobre", kMenuSobre, &OrdelWindow::MnuSobre_Click);
    }
}
