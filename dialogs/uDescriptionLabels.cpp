#include "uDescriptionLabels.h"

#include <QCoreApplication>

namespace dialogs {

QString DescriptionFieldLabel(wolf::TWolfDescription::TField field)
{
    // In the description window's context, where they were first translated.
    static const char* const Labels[wolf::TWolfDescription::FieldCount] = {
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Title"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Subject"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Author"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Adapter"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Translator"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Publisher"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Publish Time"),
        QT_TRANSLATE_NOOP("dialogs::TfrmDescription", "Annotation"),
        "ISBN",
    };
    return QCoreApplication::translate("dialogs::TfrmDescription", Labels[field]);
}

}  // namespace dialogs
