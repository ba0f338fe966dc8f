#include "mainwindow/window_controls.h"

#include "mainwindow/circle_widget.h"
#include "mainwindow/data_table_view.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace tarvon {

namespace {

const QColor kWindowBack(220, 255, 255);

template <typename W> W* named(TarvonControls& c, W* w, const QString& name) {
    w->setObjectName(name);
    c.byName[name] = w;
    return w;
}

QLabel* label(TarvonControls& c, QWidget* parent, const QString& name, const QString& caption) {
    auto* l = named(c, new QLabel(caption, parent), name);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColour(l, kWindowBack);
    return l;
}

QString indexed(const char* array, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
}

void createPictures(TarvonControls& c, QWidget* client) {
    c.picPortada = named(c, new QLabel(client), "picPortada");
    for (int i = 0; i < 2; ++i)
        c.picRI[i] = named(c, new QLabel(client), indexed("picRI", i));
    for (int i = 0; i < 10; ++i) {
        c.CercleAux[i] = new CircleWidget(client);
        c.CercleAux[i]->setObjectName(indexed("CercleAux", i));
        c.CercleAux[i]->hide();
        c.picIo[i] = new QLabel(client);
        c.picIo[i]->setObjectName(indexed("picIo", i));
        c.picIo[i]->hide();
    }
}

void createTexts(TarvonControls& c, QWidget* client) {
    for (int i = 0; i < 7; ++i)
        c.lblTipus[i] = label(c, client, indexed("lblTipus", i), QString());
    c.lblDS1 = label(c, client, "lblDS1",
                     QCoreApplication::translate("mainwindow", "Tipus de dissolució"));
    c.lblDS2 = label(c, client, "lblDS2",
                     QCoreApplication::translate("mainwindow", "Tipus de dissolució"));
    c.lblDS1->setWordWrap(false);
    c.lblDS2->setWordWrap(false);
    c.lblPropietats =
        label(c, client, "lblPropietats", QCoreApplication::translate("mainwindow", "Propietats"));
    for (int i = 0; i < 5; ++i) {
        c.txt[i] = named(c, new QLineEdit(client), QStringLiteral("txt%1").arg(i));
        c.txt[i]->setReadOnly(true);           // counters show the simulation, nothing to type
        c.txt[i]->setFocusPolicy(Qt::NoFocus); // no caret or selection after a rebuild
    }
    c.txtDades = named(c, new DataTableView(client), "txtDades");
    c.txtDades->setReadOnly(true);
    c.txtDades->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.txtDades->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void createSpeedAndButton(TarvonControls& c, QWidget* client) {
    c.cmdContinuar =
        named(c, new QPushButton(QCoreApplication::translate("mainwindow", "Continuar"), client),
              "cmdContinuar");
    c.cmdContinuar->setAutoDefault(true); // Return continues too, not only Space
    c.lblVelocitat = label(c, client, "lblVelocitat",
                           QCoreApplication::translate("mainwindow", "Velocitat del procés"));
    c.VScrollVel = named(c, new QScrollBar(Qt::Vertical, client), "VScrollVel");
    // The value is the tick interval in ms: the top, 1, is the fastest, and
    // Up and Page Up lower the value.
    c.VScrollVel->setRange(1, 100);
    c.VScrollVel->setSingleStep(1);
    c.VScrollVel->setPageStep(10);
    c.VScrollVel->setFocusPolicy(Qt::StrongFocus);
    c.VScrollVel->setAccessibleName(
        QCoreApplication::translate("mainwindow", "Velocitat del procés"));
    c.VScrollVel->setToolTip(
        QCoreApplication::translate("mainwindow", "Amunt, més ràpid; avall, més lent"));
}

// URW's Chancery clone, or an italic serif where it is missing.
QFont ScriptFont() {
    QFont font("Z003");
    font.setStyleHint(QFont::Serif);
    font.setItalic(true);
    if (!QFontDatabase::hasFamily("Z003"))
        font.setFamilies({"Liberation Serif", "DejaVu Serif"});
    return font;
}

void createChronometer(TarvonControls& c, QWidget* client) {
    c.picCrono = named(c, new QFrame(client), "picCrono");
    c.picCrono->setFrameShape(QFrame::Box);
    setBackColour(c.picCrono, QColor(255, 255, 230));
    QWidget* p = c.picCrono;
    c.lblTempus = named(c, new QLabel("Tempus fugit", p), "lblTempus");
    c.lblTempus->setAlignment(Qt::AlignCenter);
    c.lblTempus->setFont(ScriptFont());
    c.lblMinSeg =
        named(c, new QLabel(QCoreApplication::translate("mainwindow", " Minuts     Segons"), p),
              "lblMinSeg");
    c.lblMinuts = named(c, new QLabel("0", p), "lblMinuts");
    c.lblSegons = named(c, new QLabel("0", p), "lblSegons");
    c.lblCent = named(c, new QLabel("0", p), "lblCent");
    for (QLabel* number : {c.lblMinuts, c.lblSegons, c.lblCent})
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.cmdIniciCrono = named(c, new QPushButton(p), "cmdIniciCrono");
    c.cmdTancarCrono =
        named(c, new QPushButton(QCoreApplication::translate("mainwindow", "Tancar"), p),
              "cmdTancarCrono");
}

} // namespace

TarvonControls CreateControls(QWidget* client, const CajaShapes& shapes) {
    TarvonControls c;
    c.Caja = named(c, new CajaView(shapes, client), "Caja");
    createPictures(c, client);
    createTexts(c, client);
    createSpeedAndButton(c, client);
    createChronometer(c, client);
    c.lblPropietats->lower(); // behind the other controls
    c.picPortada->raise();    // over the empty title labels of the initial state
    return c;
}

void FitTextToHeight(QLabel* label) {
    const double base = label->property(kLayoutPointSize).toDouble();
    if (base <= 0 || !label->wordWrap())
        return;
    QFont font = label->font();
    const QVariant least = label->property(kLeastPointSize);
    // A quarter point at a time, down to 70 %: fonts do not scale exactly
    // with the screen class, and a line more would hide the next label's text.
    const double smallest = least.isValid() ? least.toDouble() : 0.7 * base;
    for (double size = base; size >= smallest; size -= 0.25) {
        font.setPointSizeF(size);
        label->setFont(font);
        if (label->heightForWidth(label->width()) <= label->height())
            return;
    }
}

void ApplyLayout(TarvonControls& c, const WindowLayout& layout) {
    for (const auto& [name, g] : layout.controls) {
        const auto found = c.byName.find(QString::fromStdString(name));
        if (found == c.byName.end())
            continue;
        QWidget* w = found->second;
        const QRect r = twipsToPixels(g.Left, g.Top, g.Width, g.Height);
        if (qobject_cast<QLabel*>(w) && name.rfind("pic", 0) == 0)
            w->move(r.topLeft()); // a picture box takes its picture's size
        else
            w->setGeometry(r);
        if (g.FontSize > 0) {
            QFont font = w->font();
            font.setPointSizeF(g.FontSize);
            w->setFont(font);
            w->setProperty(kLayoutPointSize, g.FontSize);
        }
    }
}

} // namespace tarvon
