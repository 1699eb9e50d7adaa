#include "uMakeOptionControls.h"

#include "ScreenProfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>

namespace dialogs {
namespace {

const QString Section = QStringLiteral("MakeBook");

QString Translated(const char* text)
{
    return QCoreApplication::translate(making::OptionTextContext, text);
}

}  // namespace

std::vector<settings::TTextRow> MakeBookSettingRows()
{
    std::vector<settings::TTextRow> rows;
    for (const making::TOptionDeclaration& option : making::OptionDeclarations())
        if (option.SettingsKey)
            rows.push_back(
                {Section, QLatin1String(option.SettingsKey), making::StoredText(option, making::DefaultValue(option))});
    return rows;
}

TMakeOptionControls::TMakeOptionControls(QObject* parent) : QObject(parent) {}

void TMakeOptionControls::AddRows(QFormLayout* form, making::TOptionPage page)
{
    for (const making::TOptionDeclaration& option : making::OptionDeclarations()) {
        if (option.Page != page) continue;
        QWidget* control = CreateControl(option);
        control->setToolTip(Translated(option.ToolTip));
        FControls[option.Name] = control;
        SetValue(option, making::DefaultValue(option));
        if (option.Kind == making::TOptionKind::Switch)
            form->addRow(QString(), control);
        else
            form->addRow(Translated(option.Label), control);
    }
}

QWidget* TMakeOptionControls::CreateControl(const making::TOptionDeclaration& option)
{
    const bool sources = option.ChangesSources;
    switch (option.Kind) {
    case making::TOptionKind::Switch: {
        auto* box = new QCheckBox(Translated(option.Label));
        connect(box, &QCheckBox::toggled, this, [this, sources] { emit Changed(sources); });
        return box;
    }
    case making::TOptionKind::Choice:
    case making::TOptionKind::Screen: {
        auto* box = new QComboBox;
        if (option.Kind == making::TOptionKind::Screen) {
            for (const making::TScreenProfile& profile : making::ScreenProfiles())
                box->addItem(tr("%1-inch screen, %2 x %3")
                                 .arg(profile.Inches)
                                 .arg(profile.Size.width())
                                 .arg(profile.Size.height()),
                             profile.Size);
        } else {
            for (const making::TOptionChoice& choice : option.Choices) box->addItem(Translated(choice.Label));
        }
        connect(box, &QComboBox::currentIndexChanged, this, [this, sources] { emit Changed(sources); });
        return box;
    }
    case making::TOptionKind::Number: {
        auto* box = new QDoubleSpinBox;
        box->setRange(option.Min, option.Max);
        box->setSingleStep(option.Step);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, sources] { emit Changed(sources); });
        return box;
    }
    case making::TOptionKind::Text: break;
    }
    auto* edit = new QLineEdit;
    if (option.Placeholder) edit->setPlaceholderText(Translated(option.Placeholder));
    connect(edit, &QLineEdit::editingFinished, this, [this, sources] { emit Changed(sources); });
    return edit;
}

QWidget* TMakeOptionControls::Control(const char* name) const
{
    const auto found = FControls.find(name);
    return found == FControls.end() ? nullptr : found->second;
}

QVariant TMakeOptionControls::Value(const making::TOptionDeclaration& option) const
{
    QWidget* control = Control(option.Name);
    if (auto* box = qobject_cast<QCheckBox*>(control)) return box->isChecked();
    if (auto* box = qobject_cast<QComboBox*>(control))
        return option.Kind == making::TOptionKind::Screen ? box->currentData() : QVariant(box->currentIndex());
    if (auto* box = qobject_cast<QDoubleSpinBox*>(control)) return box->value();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    return making::DefaultValue(option);
}

void TMakeOptionControls::SetValue(const making::TOptionDeclaration& option, const QVariant& value)
{
    QWidget* control = Control(option.Name);
    const QSignalBlocker quiet(control);
    if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(value.toBool());
    if (auto* box = qobject_cast<QComboBox*>(control))
        box->setCurrentIndex(option.Kind == making::TOptionKind::Screen ? std::max(0, box->findData(value))
                                                                        : value.toInt());
    if (auto* box = qobject_cast<QDoubleSpinBox*>(control)) box->setValue(value.toDouble());
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(value.toString());
}

making::TMakeOptions TMakeOptionControls::Options() const
{
    making::TMakeOptions options;
    for (const making::TOptionDeclaration& option : making::OptionDeclarations()) {
        if (!Control(option.Name)) continue;
        const QVariant value = Value(option);
        if (option.Kind != making::TOptionKind::Text || making::ParseOptionValue(option, value.toString()))
            option.Set(options, value);
    }
    return options;
}

QString TMakeOptionControls::Problem() const
{
    for (const making::TOptionDeclaration& option : making::OptionDeclarations())
        if (option.Kind == making::TOptionKind::Text && Control(option.Name) &&
            !making::ParseOptionValue(option, Value(option).toString()))
            return tr("%1 %2.").arg(Translated(option.Label), Translated(option.Hint));
    return {};
}

void TMakeOptionControls::Load(const settings::TSettingValues& values)
{
    for (const making::TOptionDeclaration& option : making::OptionDeclarations())
        if (option.SettingsKey && Control(option.Name))
            SetValue(option, making::StoredValue(option, values.Text(Section, QLatin1String(option.SettingsKey))));
}

void TMakeOptionControls::Store(settings::TSettingValues& values) const
{
    for (const making::TOptionDeclaration& option : making::OptionDeclarations())
        if (option.SettingsKey && Control(option.Name))
            values.SetText(Section, QLatin1String(option.SettingsKey), making::StoredText(option, Value(option)));
}

}  // namespace dialogs
