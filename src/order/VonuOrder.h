#pragma once
// The main screen: the order header, six order-line rows over the hundred
// lines of the order, the sub-article, operation and detail panels of the
// current line, the buttons and the status bar. The order itself lives in
// the screen's OrderModel; the rows are views of it.

#include "base/Platform.h"
#include "data/CustomerProfile.h"
#include "order/LineRules.h"
#include "order/OrderEntryDesk.h"
#include "order/OrderModel.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QColor;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QStatusBar;

namespace vonu {

struct AppState;

class LineEntry;
class LineWindow;
class OrderForControl;
class PanelEntry;
class RadioGroup;
class TVonuOrderNotitiescherm;
class TVonuOrderscherm;

// The rebates of a line sit above order entry: the program hands their
// rules and their dialog to the main screen when it makes it.
struct SponningKoppeling {
    SponningRegels regels;
    // The rebate dialog for `line` (the line the panels show).
    std::function<void(TVonuOrderscherm& screen, int line)> dialoog;
};

class TVonuOrderscherm : public QWidget {
    Q_OBJECT
public:
    static constexpr int RegelRijen = 6;
    static constexpr int PanelRijen = 4;
    static constexpr int DetailRijen = 10;
    static constexpr int StatusPanelen = 4;
    // The most a field takes when the user types.
    static constexpr int OrdernummerLengte = 21;
    static constexpr int OrdernummerLengteBali = 30;
    static constexpr int ReferentieLengte = 40;
    static constexpr int DebiteurLengte = 6;
    static constexpr int MaatInvoerLengte = 4;
    static constexpr int AantalLengte = 5;
    static constexpr int DetailAantalLengte = 5;
    static constexpr int DetailMaatLengte = 4;

    // One order-line row r: `Regel`r, `Artikel`r, ... (r is part of each name).
    struct RegelRij {
        QLineEdit* regel = nullptr;          // line number shown, read-only
        QComboBox* artikel = nullptr;
        QLineEdit* omschrijving1 = nullptr;  // `Omschrijving`r`1`
        QLineEdit* omschrijving2 = nullptr;  // `Omschrijving`r`2`
        QComboBox* kleur = nullptr;
        QComboBox* lengte = nullptr;
        QComboBox* correctie = nullptr;
        QComboBox* maat = nullptr;
        QLineEdit* maatInvoer = nullptr;
        QComboBox* uitvoering = nullptr;
        QLineEdit* aantal = nullptr;
        QLineEdit* sponning = nullptr;
        QPushButton* omschrijving = nullptr; // description button, order desk only
    };
    // A sub-article (`SRegel`n/`Subartikel`n) or operation (`BRegel`n/`Bewerking`n) row.
    struct PanelRij {
        QLineEdit* regel = nullptr;
        QComboBox* keuze = nullptr;
    };
    struct DetailRij {
        QLineEdit* regel = nullptr;   // `DRegel`n
        QLineEdit* aantal = nullptr;  // `DAantal`n
        QLineEdit* maat = nullptr;    // `DMaat`n
    };

    // `state` is the program's shared state (mode, settings, profile,
    // catalog, session); it outlives the screen.
    TVonuOrderscherm(Platform& platform, AppState& state, SponningKoppeling sponning, QWidget* parent = nullptr);
    ~TVonuOrderscherm() override;

    Platform& platform() const { return platform_; }
    AppState& appState() const { return state_; }
    OrderModel& order() { return order_; }
    const OrderModel& order() const { return order_; }
    // The line rules over this screen's order, catalog, customer article
    // list and mode.
    LineRules rules();
    const SponningKoppeling& sponning() const { return sponning_; }

    // The handlers of order entry, created with the screen: the shipping
    // address and article lists, the line fields, and the line window with
    // its panels, picture and menu.
    OrderForControl& orderFor() const { return *orderFor_; }
    LineEntry& lineEntry() const { return *lineEntry_; }
    LineWindow& lineWindow() const { return *lineWindow_; }
    // The panels of the current line and the dialogs around them.
    PanelEntry& panelEntry() const { return *panelEntry_; }
    // The order desk's answers (database, extra order data); `noOrderDesk()` until the desk plugs in.
    void setOrderEntryDesk(IOrderEntryDesk& desk) { desk_ = &desk; }
    IOrderEntryDesk& orderEntryDesk() const { return *desk_; }

    // The notes screen whose texts belong to the order (cleared with it and
    // counted in the change signature). What is typed into its remark for
    // the order confirmation goes into the order at once.
    void setNotitiescherm(TVonuOrderNotitiescherm* screen);
    TVonuOrderNotitiescherm* notitiescherm() const { return notitiescherm_; }

    // ----- the widgets. Order entry's own handlers (this folder) and the
    // tests, which drive the real controls offscreen, use them; the screens
    // and actions around order entry use the operations further down, and
    // a test keeps it so.

    // header
    QFrame* sDebiteur() const { return sDebiteur_; }
    QLabel* lDebiteur() const { return lDebiteur_; }
    QFrame* kDebiteur() const { return kDebiteur_; }
    QLineEdit* debiteur() const { return debiteur_; }
    QPushButton* zoekDebiteur() const { return zoekDebiteur_; }
    QLabel* debiteurNaam() const { return debiteurNaam_; }
    QLabel* debiteurAdres() const { return debiteurAdres_; }
    QLabel* debiteurWoonplaats() const { return debiteurWoonplaats_; }
    QComboBox* ordervoor() const { return ordervoor_; }
    QLabel* ordervoorNaam() const { return ordervoorNaam_; }
    QLabel* ordervoorAdres() const { return ordervoorAdres_; }
    QLabel* ordervoorWoonplaats() const { return ordervoorWoonplaats_; }
    QLabel* afleverNaam() const { return afleverNaam_; }
    QLabel* afleverAdres() const { return afleverAdres_; }
    QLabel* afleverWoonplaats() const { return afleverWoonplaats_; }
    QDateEdit* orderdatum() const { return orderdatum_; }
    QLineEdit* ordernummer() const { return ordernummer_; }
    QLineEdit* referentie() const { return referentie_; }
    RadioGroup* transactie() const { return transactie_; }
    QPushButton* leveringsInformatie() const { return leveringsInformatie_; }
    QFrame* kVerzonden() const { return kVerzonden_; }
    QLabel* verzonden() const { return verzonden_; }

    // order lines and panels (rows are 1-based)
    QGroupBox* orderregels() const { return orderregels_; }
    QScrollBar* orderregelPositie() const { return orderregelPositie_; }
    const RegelRij& regelRij(int r) const { return regels_.at(std::size_t(r - 1)); }
    QGroupBox* subartikelen() const { return subartikelen_; }
    QScrollBar* subartikelPositie() const { return subartikelPositie_; }
    const PanelRij& subartikelRij(int n) const { return subRijen_.at(std::size_t(n - 1)); }
    QPushButton* zoekArtikel() const { return zoekArtikel_; }
    QGroupBox* bewerkingen() const { return bewerkingen_; }
    QScrollBar* bewerkingPositie() const { return bewerkingPositie_; }
    const PanelRij& bewerkingRij(int n) const { return bewRijen_.at(std::size_t(n - 1)); }
    QPushButton* zoekBewerking() const { return zoekBewerking_; }
    QGroupBox* details() const { return details_; }
    QScrollBar* detailPositie() const { return detailPositie_; }
    const DetailRij& detailRij(int n) const { return detailRijen_.at(std::size_t(n - 1)); }

    // buttons
    QPushButton* notities() const { return notities_; }
    QPushButton* afsluiten() const { return afsluiten_; }
    QPushButton* verzenden() const { return verzenden_; }
    QPushButton* nieuw() const { return nieuw_; }
    QPushButton* openen() const { return openen_; }
    QPushButton* bewaren() const { return bewaren_; }
    QPushButton* verwijderen() const { return verwijderen_; }
    QPushButton* afdrukken() const { return afdrukken_; }
    QPushButton* extra() const { return extra_; }
    QPushButton* vonuOrder() const { return vonuOrder_; }
    QPushButton* artikelnummers() const { return artikelnummers_; }
    QPushButton* instellingen() const { return instellingen_; }

    // status bar: panels 0..3
    QStatusBar* statusBar() const { return statusBar_; }
    QLabel* statusPanel(int panel) const;

    // ----- status texts
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString& text);

    // ----- behaviour
    // Shows the controls of the operating mode and hides those of the other.
    void showModeControls(bool internalMode);
    // The order-desk captions, widths and limits of the header and buttons.
    void shapeForOrderDesk();
    // Empties the header values and notes, hides the sent stamp, clears the
    // order and resets the four windows and their rows.
    void clearOrder();
    // Stores what the user typed in the visible rows but has not left yet
    // (quantity, typed size, detail rows, an article found by typing),
    // through the line rules, before the rows move or the order is read.
    // Choices of the drop-down lists are stored when they are made; a value
    // that the lists cannot show is never written back.
    void writeBackVisibleRows();
    // Before the order leaves the screen (send, print, store): writes back
    // the visible rows and shows the first incomplete line's messages; false
    // when there were any, so the caller must not go on.
    bool validateOrder();
    // Refreshes row numbers, highlight, panel captions and scroll bars from
    // the windows of the order.
    void syncWindows();
    // Rebuilds row r (1..6) from the line it shows: the article entry, the
    // descriptions and size list from the catalog article, the single
    // length entry, the stored choices and texts, and each field shown as
    // the line's flags say. Used after an order is opened and when rows move.
    void showLineInRow(int r);
    // The same for a row whose article field shows `artikel` (a typed
    // search that the line has not stored yet).
    void showLineInRow(int r, const QString& artikel);
    // Selects in each row's article list the line's article.
    void showRowArticles();
    // Find article list index: the first entry of the article lists from
    // index 1 equal to `text` (both trimmed), 0 when none is.
    int articleEntryIndex(const QString& text) const;
    // The order number and reference as an order holds them, whole also
    // when they are longer than the fields let the user type.
    void showHeaderTexts(const QString& ordernummer, const QString& referentie);
    // The entries the article lists offer now.
    QStringList articleEntries() const;
    // Tells the user (one "Informatie" message) which lines hold values the
    // catalog or the lists no longer offer; they stay as they are. Nothing
    // is shown when there are none.
    void reportUnknownValues();
    // Shows a sent stamp in `Verzonden`; an empty stamp hides it.
    void showSentStamp(const QString& stamp);

    // ----- operations for the screens and actions around order entry
    enum class Knop { Verzenden, Nieuw, Openen, Bewaren, Verwijderen, Afdrukken, Extra, VonuOrder,
                      Artikelnummers, Instellingen };
    // Runs `handler` (within `context`'s life) when the user presses the button.
    void onButton(Knop knop, QObject* context, std::function<void()> handler);

    // Where an action leaves the user.
    enum class Plek { Debiteur, Ordervoor, Referentie, EersteArtikel, Verzenden, Extra };
    void giveFocus(Plek plek);
    // Where the user starts: the debtor at the desk, else `Ordervoor`.
    void focusStart();
    // After a line was filled without typing (row r): where its quantity is
    // entered. A made-to-measure line (`sizeFirst`) counted by its details
    // goes to the first detail row, one with a typed size to that size.
    void focusQuantity(int r, bool sizeFirst);

    // The debtor block as shown: at the desk the number typed in `Debiteur`.
    struct DebtorHeader {
        QString debiteur, naam, adres, woonplaats;
    };
    DebtorHeader debtorHeader() const;
    // The customer's own header (customer mode): the debtor number after the
    // label, name, address and place.
    void showCustomer(const QString& debtorNumber, const QString& name, const QString& address, const QString& place);
    // The order desk's debtor: the number in `Debiteur`, which the desk
    // accepts by Enter (`debtorEntered`).
    void setDebtorNumber(const QString& number);
    // The accepted debtor at the desk: name, address and place of the
    // profile and its shipping addresses, none chosen yet.
    void showDebtor(const CustomerProfile& profile);
    // No debtor at the desk: number, shipping addresses and the labels of
    // debtor, shipping and delivery address empty.
    void clearDebtor();
    // The debtor can be typed and searched only until one is accepted.
    void setDebtorEntryEnabled(bool enabled);
    bool debtorEntryEnabled() const;
    // The delivery address of the order as the header shows it.
    void showDeliveryAddress(const DeliveryAddressTexts& address);

    // The shipping address entries, the first one chosen (none when empty).
    void showShipToEntries(const QStringList& entries);
    // The chosen shipping address, 0-based; -1 when none is chosen.
    int shipToIndex() const;
    int shipToCount() const;
    // The two-character code of entry `index`; empty for no entry.
    QString shipToCode(int index) const;
    // The entry whose code is `code`; -1 when the list has none.
    int shipToIndexOf(const QString& code) const;
    // Shows entry `index` as chosen (none when there is no such entry)
    // without the change that a user's choice runs: the caller shows the
    // address and its lists with the order.
    void showShipTo(int index);
    // Chooses the first shipping address as a user would (the address, its
    // lists and delivery data follow); with none the change runs all the same.
    void chooseFirstShipTo();

    // The colour entries of every row, the first one chosen.
    void showColourEntries(const QStringList& entries);
    void setOrderDate(const QDate& date);
    void setTransactie(Transactie transactie);
    // The reference as a standard text gives it (cut to the field).
    void setReference(const QString& referentie);
    // The sent stamp as shown; empty when the order was not sent.
    QString sentStampShown() const;
    // `Notities` in bold while the order holds notes.
    void markNotes(bool marked);
    void setSendCaption(const QString& caption);
    // The incoming-order button: enabled while files wait.
    void setIncomingWaiting(bool waiting);

    // The rebate text of `line` in its row, when the row shows the line:
    // the text from its start, the field shown as the line's flag says.
    void showRebate(int line);
    // Operation row `row` of `line` emptied in the panel, when the panel
    // shows that line and row.
    void clearOperationRow(int line, int row);

    Transactie transactieType() const;
    OrderHeaderValues headerValues() const;
    std::uint64_t currentSignature() const;
    // Takes the current signature as the one of the last start, open or store.
    void takeSavedSignature();
    std::uint64_t savedSignature() const { return savedSignature_; }

    // Set once the start-up has completed; before that the screen closes
    // without asking.
    void setStarted(bool started) { started_ = started; }
    bool isStarted() const { return started_; }
    // True when the screen may close (asks about unsaved changes).
    bool closeQuery();

    // Run once, on the first activation of the screen.
    void setStartupHandler(std::function<void()> handler) { startupHandler_ = std::move(handler); }
    // Run when the screen closes, after the close query agreed.
    void setCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

    // Set while the program itself moves values between rows; field handlers
    // do nothing while it is set. An UpdateGuard sets it for its lifetime.
    bool programmaticUpdate() const { return updating_ > 0; }
    class UpdateGuard;

    // The colour of the current row's number field (sky blue).
    static QColor highlightColour();
    // A line row's quantity: typed (at most five characters, tab stop) or,
    // while the details are shown, their read-only total, which may be
    // longer ("12/14,1*").
    static void setQuantityMode(QLineEdit* aantal, bool fromDetails);

signals:
    // The order desk's debtor field: Enter; F5, a double click or
    // `ZoekDebiteur`; and entering it.
    void debtorEntered();
    void debtorSearchRequested();
    void debtorFieldEntered();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct ModeRegel {
        QWidget* control;
        bool bali;
        bool klant;
    };

    void buildHeader();
    void buildLines();
    void buildPanels();
    void buildButtons();
    void buildStatusBar();
    void buildModeTable();

    void resetLineRow(const RegelRij& rij);
    void resetPanels();
    void setNumberHighlight(QLineEdit* field, bool current);

    Platform& platform_;
    AppState& state_;
    SponningKoppeling sponning_;
    IOrderEntryDesk* desk_ = &noOrderDesk();
    OrderModel order_;
    TVonuOrderNotitiescherm* notitiescherm_ = nullptr;

    QFrame* sDebiteur_ = nullptr;
    QLabel* lDebiteur_ = nullptr;
    QFrame* kDebiteur_ = nullptr;
    QLineEdit* debiteur_ = nullptr;
    QPushButton* zoekDebiteur_ = nullptr;
    QLabel* debiteurNaam_ = nullptr;
    QLabel* debiteurAdres_ = nullptr;
    QLabel* debiteurWoonplaats_ = nullptr;
    QComboBox* ordervoor_ = nullptr;
    QLabel* ordervoorNaam_ = nullptr;
    QLabel* ordervoorAdres_ = nullptr;
    QLabel* ordervoorWoonplaats_ = nullptr;
    QLabel* afleverNaam_ = nullptr;
    QLabel* afleverAdres_ = nullptr;
    QLabel* afleverWoonplaats_ = nullptr;
    QDateEdit* orderdatum_ = nullptr;
    QLineEdit* ordernummer_ = nullptr;
    QLineEdit* referentie_ = nullptr;
    RadioGroup* transactie_ = nullptr;
    QPushButton* leveringsInformatie_ = nullptr;
    QFrame* kVerzonden_ = nullptr;
    QLabel* verzonden_ = nullptr;

    QGroupBox* orderregels_ = nullptr;
    QScrollBar* orderregelPositie_ = nullptr;
    std::array<RegelRij, RegelRijen> regels_{};
    QGroupBox* subartikelen_ = nullptr;
    QScrollBar* subartikelPositie_ = nullptr;
    std::array<PanelRij, PanelRijen> subRijen_{};
    QPushButton* zoekArtikel_ = nullptr;
    QGroupBox* bewerkingen_ = nullptr;
    QScrollBar* bewerkingPositie_ = nullptr;
    std::array<PanelRij, PanelRijen> bewRijen_{};
    QPushButton* zoekBewerking_ = nullptr;
    QGroupBox* details_ = nullptr;
    QScrollBar* detailPositie_ = nullptr;
    std::array<DetailRij, DetailRijen> detailRijen_{};

    QPushButton* notities_ = nullptr;
    QPushButton* afsluiten_ = nullptr;
    QPushButton* verzenden_ = nullptr;
    QPushButton* nieuw_ = nullptr;
    QPushButton* openen_ = nullptr;
    QPushButton* bewaren_ = nullptr;
    QPushButton* verwijderen_ = nullptr;
    QPushButton* afdrukken_ = nullptr;
    QPushButton* extra_ = nullptr;
    QPushButton* vonuOrder_ = nullptr;
    QPushButton* artikelnummers_ = nullptr;
    QPushButton* instellingen_ = nullptr;

    QStatusBar* statusBar_ = nullptr;
    std::array<QLabel*, StatusPanelen> statusPanelen_{};

    std::vector<ModeRegel> modeTabel_;

    std::uint64_t savedSignature_ = 0;
    bool started_ = false;
    bool startupRun_ = false;
    int updating_ = 0;
    std::function<void()> startupHandler_;
    std::function<void()> closeHandler_;

    // Last members: they connect to the controls above and go first.
    std::unique_ptr<OrderForControl> orderFor_;
    std::unique_ptr<LineWindow> lineWindow_;
    std::unique_ptr<LineEntry> lineEntry_;
    std::unique_ptr<PanelEntry> panelEntry_;
};

class TVonuOrderscherm::UpdateGuard {
public:
    explicit UpdateGuard(TVonuOrderscherm& screen) : screen_(screen) { ++screen_.updating_; }
    ~UpdateGuard() { --screen_.updating_; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    TVonuOrderscherm& screen_;
};

} // namespace vonu
