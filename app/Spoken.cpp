#include "Spoken.h"

#include "exercises/Ordel.h"
#include "exercises/Texts.h"

#include <QStringList>

#include <utility>

namespace spoken {

namespace {

QString caption(const ordel::Ordel& core, ordel::LabelId id) {
    return QString::fromStdString(core.label(id).caption);
}

} // namespace

QString signWord(const QString& caption) {
    static const std::pair<QStringView, QStringView> kWords[] = {{u"+", u"mais"},
                                                                 {u"-", u"menos"},
                                                                 {u"x", u"vezes"},
                                                                 {u":", u"dividido por"},
                                                                 {u"=", u"igual"}};
    for (const auto& [sign, word] : kWords) {
        if (caption == sign)
            return word.toString();
    }
    return {};
}

QString beadCount(int count) {
    return count == 1 ? QStringLiteral("1 conta") : QStringLiteral("%1 contas").arg(count);
}

QString exercise(const ordel::Ordel& core) {
    using ordel::LabelId;
    const QString title = QString::fromUtf8(ordel::texts::kProgramTitle);
    if (core.atBeginnerLevel())
        return title + QStringLiteral(", forme o número ") + caption(core, LabelId::Numero2);
    // The exercise line as it stands on the window, left to right, each sign
    // as its word; a part still empty is left out.
    QStringList line;
    for (LabelId id : {LabelId::Numero1, LabelId::Símbolo, LabelId::Numero2, LabelId::Label2}) {
        const QString text = caption(core, id);
        const QString word = signWord(text);
        if (!text.isEmpty())
            line << (word.isEmpty() ? text : word);
    }
    return title + QStringLiteral(", ") + line.join(u' ');
}

} // namespace spoken
