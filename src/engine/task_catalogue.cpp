#include "engine/task_engine.h"

QStringList taskTypeEntries(Operation operation)
{
    static const QStringList plus{
        QStringLiteral(" Plus Einer"),       QStringLiteral(" Plus Zehner"),
        QStringLiteral(" Plus Zweistellig"), QStringLiteral(" Ergänze Zehner"),
        QStringLiteral(" Ergänze Hundert"),  QStringLiteral(" Umkehrungen"),
        QStringLiteral(" Plusketten"),       QStringLiteral(" Groß-Klein")
    };
    static const QStringList minus{
        QStringLiteral(" Minus Einer"),       QStringLiteral(" Minus Zehner"),
        QStringLiteral(" Minus zweistellig"), QStringLiteral(" Ergänze Zehner"),
        QStringLiteral(" Ergänze Hundert"),   QStringLiteral(" Umkehrungen"),
        QStringLiteral(" Minusketten"),       QStringLiteral(" Groß-Klein")
    };
    static const QStringList times{ QStringLiteral(" Malaufgaben"),  QStringLiteral(" Ergänzungen"),
                                    QStringLiteral(" Umkehrungen"),  QStringLiteral(" Malketten"),
                                    QStringLiteral(" Punkt-Strich"), QStringLiteral(" Verdoppeln"),
                                    QStringLiteral(" Groß-Klein") };
    static const QStringList divide{
        QStringLiteral(" Teilaufgaben"), QStringLiteral(" Ergänzungen"),
        QStringLiteral(" Umkehrungen"),  QStringLiteral(" Teilketten"),
        QStringLiteral(" Punkt-Strich"), QStringLiteral(" Restaufgaben"),
        QStringLiteral(" Halbieren"),    QStringLiteral(" Groß-Klein")
    };
    static const QStringList random{ QStringLiteral("Zufällige Auswahl") };
    static const QStringList mandatory{ QStringLiteral(" Pflichtaufgaben ") };

    switch (operation) {
    case Operation::Plus:
        return plus;
    case Operation::Minus:
        return minus;
    case Operation::Times:
        return times;
    case Operation::Divide:
        return divide;
    case Operation::Mandatory:
        return mandatory;
    default:
        return random;
    }
}
