#pragma once
// Rows for the tests' databases, written on de1.conn, and the small readers
// the tests check the database with. One copy each, for every test folder
// and the benchmarks.

#include "core/records/clsCabDDJJ.h"
#include "platform/ado/Variant.h"

#include <QString>
#include <memory>
#include <optional>

namespace testsupport {

// A statement run on de1.conn; the rows it changed. And a text as an SQL
// literal, each quote doubled.
long exec(const QString& sql);
QString q(const QString& s);

// Register rows with the fewest columns the schema asks for; a company has
// only its fiscal address (RIVADAVIA 100, RAWSON, CHUBUT, 9103).
void insertVessel(int id, const QString& matricula, const QString& nombre);
void insertCompany(int id, qint64 cuit, const QString& rsocial);
// A dock price of the species from the date on; a null text stores no disposition.
void insertPrice(int especie, double valor, const QString& isoDate, const QString& disposicion = QString());

// A declaration header. Its vessel and company are the registers' rows with
// that matrícula and CUIT; a number or name given here is stored instead (a
// declaration keeps what the register said when it was made).
struct Decl {
    QString nro{};
    int anio = 2006;
    int mes = 5;
    int barId = 0;  // 0: the register's
    QString matricula = QStringLiteral("123");
    QString nombre{};  // empty: the register's
    int empId = 0;     // 0: the register's
    qint64 cuit = 30708123451;
    QString rsocial{};                // empty: the register's
    std::optional<double> mtoVtas{};  // unset: the column's default, as the editor leaves it
    double alicuota = 3;
    std::optional<double> importe{};  // unset: as mtoVtas
    double intereses = 0, multa = 0, total = 0;
    QString estado = QStringLiteral("N");
    int tipo = 1;
    qint64 nroDoc = 20123456;
    int puerto = 12;
    QString responsable = QStringLiteral("JUAN PEREZ");
    QString tipoDoc = QStringLiteral("DNI");
    int caracter = 1;
};
// Throws when no row is written (a vessel or company missing from the registers).
void insertDeclaration(const Decl& d);

// Many declaration headers at once, over the registers' first vessel and
// company: monthly ones over twenty years, each number its own.
void insertDeclarations(long n);

// The first column of the first row of a statement (Null when none), and a
// count read by a "select count(*) ..." statement.
ado::Variant scalar(const QString& sql);
long count(const QString& sqlCount);

// The record the list hands over for "modificar", read from the list's view.
std::shared_ptr<clsCabDDJJ> recordOf(const QString& nro);

}  // namespace testsupport
