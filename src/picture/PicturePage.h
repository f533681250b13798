#pragma once

#include "widgets/TCustomPanel.h"

class TImage;

// The picture page: the mandala and its colour negative over the whole page;
// a click on the picture swaps one for the other. Which one shows is kept for
// the whole run. Image1 and Image2 carry their names as objectName.
class PicturePage : public TPanel
{
    Q_OBJECT

public:
    explicit PicturePage(QWidget *parent);

private:
    void Image1Click(); // a click on the mandala shows the negative
    void Image2Click(); // a click on the negative shows the mandala

    TImage *Image1; // the mandala
    TImage *Image2; // its colour negative

};
