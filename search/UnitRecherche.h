#pragma once

#include <QDialog>
#include <functional>

class TRecherche : public QDialog {
    Q_OBJECT
public:
    explicit TRecherche(QWidget* parent = nullptr);

    // Called with the folder (ending with a separator) and the file name of
    // the result the user picks.
    std::function<void(const QString& dossier, const QString& nom)> ChoixFichier;
};
