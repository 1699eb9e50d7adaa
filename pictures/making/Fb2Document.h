// An FB2 book's XML read into an e-book: its bodies as a flow, its sections as headings, its
// description and cover.
#pragma once

#include "BookFlow.h"

#include <QByteArray>
#include <QString>

namespace making {

// name labels messages and pictures. EMakeFailure for bytes that are not well-formed XML, nest
// too deep or are in an encoding this system cannot read.
TEbook ReadFb2(const QByteArray& bytes, const QString& name);

}  // namespace making
