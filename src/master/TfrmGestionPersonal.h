#pragma once

#include "framework/TfrmGestion.h"

class TmdlPersonal;

// Browse window of a file of people (salespeople, purchase managers,
// warehouse managers): code, name and NIF in the grid and as orders; in
// select mode it hands back the code and the name. Captions, delete question
// and refresh hint come from the file's description.
class TfrmGestionPersonal : public TfrmGestion
{
    Q_OBJECT
protected:
    // Takes the data module (created without a parent) as its own child.
    TfrmGestionPersonal(QWidget *owner, bool modal, TmdlPersonal *modulo);

    TmdlPersonal &moduloPersonal() const { return *m_modulo; }

private:
    TmdlPersonal *m_modulo;
};
