#pragma once

#include <QString>

namespace ds {
class Field;
}

namespace fw {

// Field rules built on the identity and bank-code utilities (Utiles.h),
// shared by the data modules of companies, customers, suppliers, contacts,
// salespeople, managers, warehouses and bank accounts. They are meant to be
// called from a field's validate handler, which runs with the new value
// already in the field. They only warn: none of them refuses the value, so
// none of them throws ds::SilentAbort. Text columns read back with their
// trailing blanks, so the rules look at the value without outer blanks.

// Province rule, on the postal-code column (CODIGO_POSTAL or COD_POSTAL):
// when the postal code names a province, the PROVINCIA column of the same
// record set takes it; otherwise PROVINCIA is left as it was.
//
//   Clientes.field("CODIGO_POSTAL").onValidate = [](ds::Field &f) { fw::reglaProvincia(f); };
void reglaProvincia(const ds::Field &codigoPostal);

// NIF rule (salespeople, managers, contacts): a number typed without its
// letter is completed in the field; a wrong NIF shows `mensaje` ("NIF
// Incorrecto."; purchase managers "NIF Incorrecto"). An empty value is not
// checked. A completion that would not fit in the column is a wrong NIF.
//
//   Vendedores.field("NIF").onValidate = [](ds::Field &f) { fw::reglaNif(f); };
void reglaNif(ds::Field &nif, const QString &mensaje = QStringLiteral("NIF Incorrecto."));

// CIF rule (companies show "CIF Incorrecto", suppliers "CIF Incorrecto."):
// a non-empty value that fails the CIF check shows `mensaje`.
//
//   Proveedores.field("CIF").onValidate = [](ds::Field &f) {
//       fw::reglaCif(f, QStringLiteral("CIF Incorrecto."));
//   };
void reglaCif(const ds::Field &cif, const QString &mensaje);

// CIF or NIF of customers: a valid CIF is accepted; otherwise the value is
// checked (and completed) as a NIF, and a failure shows "CIF/NIF incorrecto".
// An empty value fails both checks, so emptying the field draws the message.
//
//   Clientes.field("CIF_NIF").onValidate = [](ds::Field &f) { fw::reglaCifNif(f); };
void reglaCifNif(ds::Field &cifNif);

// Account-code proposal, one handler for COD_ENTIDAD, COD_AGENCIA and NCUENTA
// of the same record set: once the three parts give control digits, an empty
// DC takes them, and a DC that differs draws the question "El Digito de
// Control es Incorrecto, ¿desea corregirlo?"; Yes corrects it.
//
//   for (const char *parte : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"})
//       Clientes.field(parte).onValidate = [](ds::Field &f) { fw::proponerDigitoControl(f); };
void proponerDigitoControl(ds::Field &parte);

} // namespace fw
