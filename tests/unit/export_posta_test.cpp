// The mail message file, the attachment part, the registry read and the routes.
#include <gtest/gtest.h>

#include "export/errore.h"
#include "export/mailverify.h"
#include "export_fixture.h"

namespace {

std::vector<uint8_t> byte(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

const std::string TEMP = "C:\\Temp\\";
const std::string JPG = "C:\\Temp\\SnapShotVitrelo.jpg";
const std::string EML = "C:\\Temp\\VitreloImage.eml";

void imposta_client(const std::vector<uint8_t>& valore) {
    fake::esporta().hklm["software\\clients\\mail"] = valore;
}

}  // namespace

using Posta = SuFakeEsporta;

TEST_F(Posta, ImageMailMatchesGoldenFileAndIsOpened) {
    fake::stato().temp = TEMP;
    fake::esporta().contenuti[JPG] = byte("Hello");
    componi_messaggio("", "", "", "", "Invio SnapShot Vitrelo", "", JPG);
    EXPECT_EQ(fake::esporta().contenuti[EML], leggi_golden("export_posta_immagine.eml"));
    ASSERT_EQ(fake::esporta().shell.size(), 1u);
    const auto& s = fake::esporta().shell[0];
    EXPECT_EQ(s.owner, plat::GetDesktopWindow());
    EXPECT_EQ(s.verbo, "Open");
    EXPECT_EQ(s.file, EML);
    EXPECT_EQ(s.parametri, "");
    EXPECT_EQ(s.cartella, "");
    EXPECT_EQ(s.modo, 1);
    EXPECT_EQ(fake::esporta().file_aperti, 0);
}

TEST_F(Posta, EveryAddressPresentWithoutAttachment) {
    MessaggioPosta m;
    m.mittente = "io@esempio.it";
    m.destinatario = "a@esempio.it";
    m.copia = "b@esempio.it";
    m.copia_nascosta = "c@esempio.it";
    m.oggetto = "Prova";
    m.testo = "Ciao";
    m.priorita = 3;
    EXPECT_TRUE(scrivi_messaggio(apri_file_scrittura("C:\\m.eml"), m));
    EXPECT_EQ(fake::esporta().contenuti["C:\\m.eml"], leggi_golden("export_posta_indirizzi.eml"));
    EXPECT_EQ(fake::esporta().file_aperti, 0);
}

TEST_F(Posta, EachAddressLineAppearsOnlyWhenItsFieldIsSet) {
    struct {
        std::string MessaggioPosta::*campo;
        const char* riga;
    } casi[] = {{&MessaggioPosta::destinatario, "To: \"x@y\"\r\n"},
                {&MessaggioPosta::copia, "CC: \"x@y\"\r\n"},
                {&MessaggioPosta::copia_nascosta, "BCC: \"x@y\"\r\n"}};
    for (const auto& c : casi) {
        MessaggioPosta m;
        m.oggetto = "S";
        m.*(c.campo) = "x@y";
        const std::string t = intestazione_messaggio(m);
        EXPECT_EQ(t.find(std::string("From: <>\r\n") + c.riga + "Subject: S\r\n"), 0u) << c.riga;
        for (const auto& altro : casi) {
            if (altro.riga == c.riga) continue;
            EXPECT_EQ(t.find("\r\n" + std::string(altro.riga).substr(0, 3)), std::string::npos);
        }
    }
}

TEST_F(Posta, PriorityPrintForm) {
    struct {
        int32_t p;
        const char* riga;
    } casi[] = {{-1, "X-Priority:-1 \r\n"}, {0, "X-Priority: 0 \r\n"}, {5, "X-Priority: 5 \r\n"},
                {-2147483647 - 1, "X-Priority:-2147483648 \r\n"}};
    for (const auto& c : casi) {
        MessaggioPosta m;
        m.priorita = c.p;
        EXPECT_NE(intestazione_messaggio(m).find(c.riga), std::string::npos) << c.p;
    }
}

TEST_F(Posta, AttachmentPartOf54BytesMatchesGoldenFile) {
    std::vector<uint8_t> d(54);
    for (int i = 0; i < 54; ++i) d[size_t(i)] = uint8_t(i);
    fake::esporta().contenuti["D:\\a b\\x.bin"] = d;
    EXPECT_EQ(codifica_allegato("D:\\a b\\x.bin"), come_testo(leggi_golden("export_allegato_54.txt")));
}

TEST_F(Posta, EmptyAttachmentHasTwoEmptyLinesBeforeTheClosingDelimiter) {
    fake::esporta().contenuti["x.bin"] = {};
    const std::string a = codifica_allegato("x.bin");
    EXPECT_NE(a.find("filename=\"x.bin\"\r\n\r\n\r\n------=_NextPart_--\r\n\r\n.\r\n"),
              std::string::npos);
}

TEST_F(Posta, QueueIsServicedOncePerClosedLineOnlyWhenInputWaits) {
    // 105 bytes: three lines, two of them closed because more groups follow.
    fake::esporta().contenuti["x.bin"] = std::vector<uint8_t>(105, 7);
    fake::stato().input_pendente = false;
    codifica_allegato("x.bin");
    EXPECT_EQ(fake::stato().pompe, 0);
    fake::stato().input_pendente = true;
    codifica_allegato("x.bin");
    EXPECT_EQ(fake::stato().pompe, 1);  // the pump consumes the pending input
}

TEST_F(Posta, MissingAttachmentOrUnwritableFolderThrowsAndOpensNothing) {
    fake::stato().temp = TEMP;
    EXPECT_THROW(componi_messaggio("", "", "", "", "S", "", JPG), Errore);
    fake::esporta().contenuti[JPG] = byte("x");
    fake::esporta().cartelle_mancanti.insert("C:\\Temp");
    EXPECT_THROW(componi_messaggio("", "", "", "", "S", "", JPG), Errore);
    fake::esporta().cartelle_mancanti.clear();
    fake::esporta().scrittura_fallisce = true;
    EXPECT_THROW(componi_messaggio("", "", "", "", "S", "", JPG), Errore);
    EXPECT_TRUE(fake::esporta().shell.empty());
    EXPECT_EQ(fake::esporta().file_aperti, 0);
}

TEST(EstraiNomeFile, TextAfterTheLastBackslash) {
    EXPECT_EQ(estrai_nome_file("C:\\Temp\\SnapShotVitrelo.jpg"), "SnapShotVitrelo.jpg");
    EXPECT_EQ(estrai_nome_file("foto.jpg"), "foto.jpg");
    EXPECT_EQ(estrai_nome_file("C:\\Temp\\"), "");
    EXPECT_EQ(estrai_nome_file("\\a"), "a");
    EXPECT_EQ(estrai_nome_file("C:/dir/x.jpg"), "C:/dir/x.jpg");
}

TEST_F(Posta, ClientNameFromTheRegistryValue) {
    struct {
        std::vector<uint8_t> valore;
        const char* atteso;
    } casi[] = {
        {byte(std::string("Windows Mail\0", 13)), "Windows Mail"},
        {byte("Windows Mail"), "Windows Mail"},                          // no terminating NUL
        {byte(std::string("Windows Mail\0junk\0", 18)), "Windows Mail"},  // stray bytes after NUL
        {byte(std::string("\0", 1)), ""},
        {{}, ""},                                                        // empty value
        {{'C', 'a', 'f', 0xE8, 0}, "Caf\xC3\xA8"},                      // ANSI to UTF-8
    };
    for (const auto& c : casi) {
        imposta_client(c.valore);
        EXPECT_EQ(leggi_client_posta(), c.atteso);
        EXPECT_EQ(fake::esporta().chiavi_aperte, 0);
    }
    EXPECT_EQ(fake::esporta().accessi_registro.back(), 0x20019u);
}

TEST_F(Posta, OnlyTheMachineHiveIsRead) {
    fake::esporta().hkcu["software\\clients\\mail"] = byte(std::string("Windows Mail\0", 13));
    EXPECT_EQ(leggi_client_posta(), "");
}

TEST(RottaPosta, ExactAndCaseSensitive) {
    struct {
        const char* client;
        RottaPosta rotta;
    } casi[] = {{"Outlook Express", RottaPosta::MessaggioFile},
                {"Windows Mail", RottaPosta::MessaggioFile},
                {"Microsoft Outlook", RottaPosta::Mailto},
                {"outlook express", RottaPosta::NonCompatibile},
                {"Windows mail", RottaPosta::NonCompatibile},
                {"Windows Mail ", RottaPosta::NonCompatibile},
                {"Microsoft Outlook 2010", RottaPosta::NonCompatibile},
                {"Native Mail Client", RottaPosta::NonCompatibile},
                {"", RottaPosta::NonCompatibile}};
    for (const auto& c : casi) EXPECT_EQ(rotta_posta(c.client), c.rotta) << c.client;
}

TEST_F(Posta, InviaImmagineMessageFileRoute) {
    fake::stato().temp = TEMP;
    fake::esporta().contenuti[JPG] = byte("Hello");
    imposta_client(byte(std::string("Windows Mail\0", 13)));
    invia_immagine(JPG);
    EXPECT_EQ(fake::esporta().contenuti[EML], leggi_golden("export_posta_immagine.eml"));
    ASSERT_EQ(fake::esporta().shell.size(), 1u);
    EXPECT_EQ(fake::esporta().shell[0].file, EML);
    EXPECT_TRUE(fake::stato().messaggi.empty());
}

TEST_F(Posta, InviaImmagineMailtoRoute) {
    fake::stato().temp = TEMP;
    fake::esporta().contenuti[JPG] = byte("Hello");
    imposta_client(byte(std::string("Microsoft Outlook\0", 18)));
    invia_immagine(JPG);
    EXPECT_EQ(fake::esporta().contenuti.count(EML), 0u);
    ASSERT_EQ(fake::esporta().shell.size(), 1u);
    const auto& s = fake::esporta().shell[0];
    EXPECT_EQ(s.owner, 0u);
    EXPECT_EQ(s.verbo, "");
    EXPECT_EQ(s.file,
              "mailto:  ?subject=Invio SnapShot Vitrelo&body= \"C:\\Temp\\SnapShotVitrelo.jpg\"");
    EXPECT_EQ(s.parametri, "");
    EXPECT_EQ(s.cartella, "");
    EXPECT_EQ(s.modo, 1);
}

TEST_F(Posta, InviaImmagineNotCompatible) {
    for (const char* client : {"outlook express", "Native Mail Client", ""}) {
        fake::stato().messaggi.clear();
        imposta_client(byte(client));
        invia_immagine(JPG);
        ASSERT_EQ(fake::stato().messaggi.size(), 1u) << client;
        EXPECT_EQ(fake::stato().messaggi[0],
                  "Vitrelo|!Il programma di posta elettronica non \xC3\xA8 compatibile con Vitrelo");
    }
    fake::esporta().hklm.clear();  // no key at all
    fake::stato().messaggi.clear();
    invia_immagine(JPG);
    EXPECT_EQ(fake::stato().messaggi.size(), 1u);
    EXPECT_TRUE(fake::esporta().shell.empty());
}

TEST_F(Posta, InviaImmagineIgnoresAFailedMessageFile) {
    fake::stato().temp = TEMP;
    imposta_client(byte(std::string("Outlook Express\0", 16)));
    invia_immagine(JPG);  // the attachment is missing
    EXPECT_TRUE(fake::esporta().shell.empty());
    EXPECT_TRUE(fake::stato().messaggi.empty());
}
