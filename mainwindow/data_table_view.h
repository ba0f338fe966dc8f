#pragma once

#include <QPlainTextEdit>

namespace tarvon {

// txtDades: the data table's rows scroll under its title and column names,
// which stay in view. Columns are eight digits wide at any font size.
class DataTableView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DataTableView(QWidget* parent = nullptr);

    // header: the title and column lines; rows: one line per row.
    void setTable(const QString& header, const QString& rows);
    QPlainTextEdit* header() const { return header_; }
    // Header and rows as shown, one line each.
    QString shownText() const;

    // The largest size from `least` up to `most`, in quarter points, at which
    // `columns` columns fit the width without scrolling sideways.
    void growFont(double least, double most, int columns);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeHeader();
    bool columnsFit(double points, int columns) const;

    QPlainTextEdit* header_;
};

} // namespace tarvon
