// Stands for a model source that includes what the model must not.
#include <QObject>
#include <QtWidgets/QWidget>
#include <QPalette>
