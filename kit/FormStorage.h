#pragma once
// Keeps a window's placement in one section of the settings file: restored
// when the window is first shown, saved as soon as a close is requested; the
// window's destructor calls EnregistrerADestruction for the other case.

#include <QObject>
#include <QRect>
#include <optional>
#include <QString>

class Dialogues;
class QWidget;

class FormStorage : public QObject {
    Q_OBJECT
public:
    // A settings file that cannot be written is told through `dialogues`.
    FormStorage(QWidget* fenetre, QString section, Dialogues& dialogues);

    void SetIniFileName(const QString& chemin) { chemin_ = chemin; }
    const QString& Section() const { return section_; }

    void Enregistrer(bool pendantDestruction);
    // For the window's destructor: saves with Visible=1 unless a close
    // request already saved the placement.
    void EnregistrerADestruction();
    void Restaurer();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget* fenetre_;
    QString section_;
    Dialogues& dialogues_;
    QString chemin_;
    // Puts the window's frame on `exterieur`.
    void placer(const QRect& exterieur);

    bool restauree_ = false;
    std::optional<QRect> exterieurAttendu_;
    bool enregistree_ = false;
};
