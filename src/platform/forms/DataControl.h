#pragma once
// Holds the recordset that one or more grids show. A window hands it a new
// recordset and calls Refresh, which rebinds every grid whose data source
// it is (their column layout starts over, as after a new query), unless the
// new one reads the very same rows: a list opened again on an unchanged
// database keeps what it shows.

#include "platform/ado/Recordset.h"

#include <QObject>
#include <memory>

namespace forms {

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr) : QObject(parent) {}

    std::shared_ptr<ado::Recordset> Recordset;

    void Refresh() { emit refreshed(); }

signals:
    void refreshed();
};

}  // namespace forms
