#include "mainwindow/window_sync.h"

#include "layout/panel_growth.h"
#include "mainwindow/circle_widget.h"
#include "mainwindow/data_table_view.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/twips.h"
#include "reactions/llegenda.h"
#include "window/counter_text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>

namespace tarvon {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QColor colour(Rgb c) {
    return {c.r, c.g, c.b};
}

void setText(QLabel* l, const std::string& s) {
    if (l->text() == text(s))
        return;
    l->setText(text(s));
    FitTextToHeight(l);
}

} // namespace

void WindowSync::apply(const TarvonModel& m) {
    texts(m);
    equationPictures(m);
    box(m);
    legend(m);
    c_.VScrollVel->setVisible(m.d.VScrollVel);
    c_.lblVelocitat->setVisible(m.d.VScrollVel);
    c_.picCrono->setVisible(m.d.picCrono);
    setText(c_.lblTempus, m.d.lblTempus);
    c_.txtDades->setVisible(m.d.txtDades);
    tick(m);
    panel(m);
}

void WindowSync::tick(const TarvonModel& m) {
    counters(m);
    dataTable(m);
    chronometer(m);
}

void WindowSync::chronometer(const TarvonModel& m) {
    const Chronometer& k = m.crono;
    for (auto [label, caption] : {std::pair{c_.lblMinuts, &k.lblMinuts},
                                  {c_.lblSegons, &k.lblSegons},
                                  {c_.lblCent, &k.lblCent}})
        if (label->text() != text(*caption))
            label->setText(text(*caption));
}

void WindowSync::dataTable(const TarvonModel& m) {
    if (taulaShown_ == m.data.Revisio)
        return;
    taulaShown_ = m.data.Revisio;
    QString shown =
        text(TaulaDades(m.data.Taula, m.w.SeparadorDecimal, m.lang)).replace("\r\n", "\n");
    if (shown.endsWith('\n'))
        shown.chop(1); // no empty line under the last row
    // The title and the column names stay above the rows.
    const qsizetype second = shown.indexOf('\n', shown.indexOf('\n') + 1);
    const bool rows = second >= 0;
    c_.txtDades->setTable(rows ? shown.left(second) : shown, rows ? shown.mid(second + 1) : "");
    dataTableFont(m, tableMost_);
    // The newest row stays in view.
    c_.txtDades->verticalScrollBar()->setValue(c_.txtDades->verticalScrollBar()->maximum());
}

void WindowSync::texts(const TarvonModel& m) {
    c_.picPortada->setVisible(m.d.picPortada);
    for (int i = 0; i < 7; ++i) {
        setText(c_.lblTipus[i], m.d.lblTipusCaption[i]);
        c_.lblTipus[i]->setVisible(m.d.lblTipus);
    }
    // The title labels grow to their text, as auto-sized labels do.
    for (auto [label, caption] : {std::pair{c_.lblDS1, &m.d.lblDS1}, {c_.lblDS2, &m.d.lblDS2}}) {
        setText(label, *caption);
        const int least = static_cast<int>(minLabelWidth_ / kTwipsPerPixel);
        const QSize hint = label->sizeHint();
        label->resize(std::max(least, hint.width()), std::max(label->height(), hint.height()));
    }
    setText(c_.lblPropietats, m.d.lblPropietatsCaption);
    c_.lblPropietats->setVisible(m.d.lblPropietats);
}

void WindowSync::panel(const TarvonModel& m) {
    PanelInput in;
    in.layout = &layout_;
    in.factor = factor_;
    in.counters = m.d.txt;
    in.description = m.d.lblPropietatsPlace.value_or(propietats_);
    if (in.description.FontSize <= 0)
        in.description.FontSize = propietats_.FontSize;
    // The client area, and at least the layout the screen was fitted for.
    in.bottom =
        std::max(static_cast<float>(c_.lblPropietats->parentWidget()->height() * kTwipsPerPixel),
                 layoutBottom_);
    in.projector = m.w.ModeProjector;
    const PanelPlaces p = PlacePanel(in);
    for (std::size_t i = 0; i < 5; ++i) {
        const ControlGeometry& g = p.counters[i];
        ControlGeometry& shown = countersShown_[i];
        if (g.Left == shown.Left && g.Top == shown.Top && g.Width == shown.Width &&
            g.Height == shown.Height && g.FontSize == shown.FontSize)
            continue;
        shown = g;
        c_.txt[i]->setGeometry(twipsToPixels(g.Left, g.Top, g.Width, g.Height));
        QFont font = c_.txt[i]->font();
        font.setPointSizeF(g.FontSize);
        c_.txt[i]->setFont(font);
    }
    description(p.description, p.descriptionLeast);
    tableMost_ = p.tableFontSize;
    dataTableFont(m, tableMost_);
}

void WindowSync::description(const ControlGeometry& g, double least) {
    const ControlGeometry& shown = propietatsShown_;
    if (g.Left == shown.Left && g.Top == shown.Top && g.Width == shown.Width &&
        g.Height == shown.Height && g.FontSize == shown.FontSize)
        return;
    propietatsShown_ = g;
    QLabel* l = c_.lblPropietats;
    l->setGeometry(twipsToPixels(g.Left, g.Top, g.Width, g.Height));
    l->setProperty(kLayoutPointSize, g.FontSize);
    l->setProperty(kLeastPointSize, least);
    QFont font = l->font();
    font.setPointSizeF(g.FontSize);
    l->setFont(font);
    FitTextToHeight(l);
}

// As large as asked while every column fits the table's width.
void WindowSync::dataTableFont(const TarvonModel& m, double most) {
    const int columns = static_cast<int>(m.data.Taula.columns.size());
    const double base = layout_.at("txtDades").FontSize;
    c_.txtDades->growFont(base, std::max(base, most), std::max(columns, 1));
}

void WindowSync::counters(const TarvonModel& m) {
    const std::vector<Counter> shown = Comptadors(m.s);
    for (int i = 0; i < 5; ++i) {
        // A box the reaction does not use keeps its text; it is hidden.
        if (i < static_cast<int>(shown.size())) {
            const QString value = text(CounterText(shown[i], m.lang));
            if (c_.txt[i]->text() != value)
                c_.txt[i]->setText(value);
        }
        c_.txt[i]->setVisible(m.d.txt[i]);
    }
}

void WindowSync::setPicture(QLabel* label, std::string& shown, const std::string& file,
                            double factor) {
    // Painted again for another size or screen density.
    const double ratio = label->devicePixelRatioF();
    const std::string key = file + '@' + std::to_string(factor) + 'x' + std::to_string(ratio);
    if (shown == key)
        return;
    shown = key;
    const QPixmap picture = pictures_.shown(file, factor, ratio);
    label->setPixmap(picture);
    label->resize(picture.isNull() ? QSize(0, 0) : picture.deviceIndependentSize().toSize());
}

void WindowSync::equationPictures(const TarvonModel& m) {
    for (int i = 0; i < 2; ++i) {
        setPicture(c_.picRI[i], picRIShown_[i], m.d.picRIFile[i], m.w.FactorPantalla);
        c_.picRI[i]->setVisible(m.d.picRI);
    }
    // Centred side by side over the window.
    const int width = c_.picRI[0]->parentWidget()->width();
    const int w0 = c_.picRI[0]->width(), w1 = c_.picRI[1]->width();
    c_.picRI[0]->move((width - w0 - w1) / 2, c_.picRI[0]->y());
    c_.picRI[1]->move(c_.picRI[0]->x() + w0, c_.picRI[1]->y());
}

void WindowSync::box(const TarvonModel& m) {
    c_.Caja->setVisible(m.d.Caja); // placed by the box sizing itself
}

void WindowSync::legend(const TarvonModel& m) {
    const Legend& l = m.s.llegenda;
    std::array<bool, 10> circleShown{}, pictureShown{};
    for (const LegendCircle& k : l.circles) {
        CircleWidget* w = c_.CercleAux.at(static_cast<std::size_t>(k.index));
        w->setGeometry(twipsToPixels(k.left, k.top, k.diameter, k.diameter));
        w->setColours(colour(k.fill), colour(k.border), k.borderWidth);
        circleShown.at(static_cast<std::size_t>(k.index)) = true;
    }
    for (const LegendPicture& p : l.pictures) {
        const auto i = static_cast<std::size_t>(p.index);
        setPicture(c_.picIo.at(i), picIoShown_.at(i), p.file, m.w.FactorPantalla);
        pictureShown.at(i) = true;
    }
    const auto widthOf = [&](int i) {
        return static_cast<float>(c_.picIo.at(static_cast<std::size_t>(i))->width() *
                                  kTwipsPerPixel);
    };
    for (const PicturePlace& q : PlacePictures(l, m.s.ConstCaixa, widthOf))
        c_.picIo.at(static_cast<std::size_t>(q.index))
            ->move(twipsToPixels(q.left, q.top, 0, 0).topLeft());
    for (std::size_t i = 0; i < 10; ++i) {
        c_.CercleAux[i]->setVisible(circleShown[i]);
        c_.picIo[i]->setVisible(pictureShown[i]);
    }
}

} // namespace tarvon
