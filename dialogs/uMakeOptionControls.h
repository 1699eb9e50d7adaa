// The book maker's options as the window's controls, each made, read and kept in the
// settings from its declaration (OptionDeclarations.h).
#pragma once

#include "OptionDeclarations.h"
#include "Settings.h"

#include <QObject>
#include <map>
#include <string>
#include <vector>

class QFormLayout;
class QWidget;

namespace dialogs {

// The settings' rows of the options kept between runs, in the section "MakeBook".
std::vector<settings::TTextRow> MakeBookSettingRows();

class TMakeOptionControls : public QObject {
    Q_OBJECT
public:
    explicit TMakeOptionControls(QObject* parent = nullptr);

    // Adds a row to form for each option the page shows, in the order of the declarations.
    void AddRows(QFormLayout* form, making::TOptionPage page);
    // The control of the option named so on the command line.
    QWidget* Control(const char* name) const;

    making::TMakeOptions Options() const;
    // The first option whose text is no value, as the window says so; empty when there is none.
    QString Problem() const;

    void Load(const settings::TSettingValues& values);
    void Store(settings::TSettingValues& values) const;

signals:
    // sources: an option that changes the sources' pages.
    void Changed(bool sources);

private:
    QWidget* CreateControl(const making::TOptionDeclaration& option);
    QVariant Value(const making::TOptionDeclaration& option) const;
    void SetValue(const making::TOptionDeclaration& option, const QVariant& value);

    std::map<std::string, QWidget*> FControls;
};

}  // namespace dialogs
