#pragma once

#include <QObject>

// The one translation context of every text the launcher shows: TR::tr("Key").
class TR : public QObject
{
    Q_OBJECT
};
