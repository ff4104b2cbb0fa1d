#pragma once
// The file dialogs of the window, behind one seam so widget tests can answer them. Filters are
// written as the program always wrote them: "dat files(*.dat)|*.dat|All files(*.*)|*.*".

#include <QString>

class QWidget;

namespace klt {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFile(QWidget *parent, const QString &filter, const QString &folder) = 0;
    virtual QString saveFile(QWidget *parent, const QString &filter, const QString &folder) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    QString openFile(QWidget *parent, const QString &filter, const QString &folder) override;
    QString saveFile(QWidget *parent, const QString &filter, const QString &folder) override;
};

// "name(*.x)|*.x|All files(*.*)|*.*" as Qt writes filters: "name(*.x);;All files(*.*)".
QString QtFilter(const QString &filter);

// The extension of the filter's first pattern ("dat"), which a save dialog adds to a name without one.
QString FilterSuffix(const QString &filter);

} // namespace klt
