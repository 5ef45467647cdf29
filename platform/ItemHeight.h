#pragma once

class QComboBox;

// Shows the items of a drop-down list's opened list at a fixed height.
void setItemHeight(QComboBox *list, int height);
