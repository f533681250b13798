#pragma once

#include "widgets/TCustomPanel.h"

class TImage;

// The picture page: the mandala and its colour negative over the whole page;
// a click on the picture swaps one for the other. Which one shows is kept for
// the whole run.
class PicturePage : public TPanel
{
    Q_OBJECT

public:
    explicit PicturePage(QWidget *parent);

    TImage *Image1;
    TImage *Image2;

private:
    void Image1Click();
    void Image2Click();
};
