<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AskUntilValid</name>
    <message>
        <source>&apos;%1&apos; is not a whole number.</source>
        <translation>&apos;%1&apos; non è un numero intero.</translation>
    </message>
    <message>
        <source>%1 is less than %2.</source>
        <translation>%1 è minore di %2.</translation>
    </message>
    <message>
        <source>%1 is more than %2.</source>
        <translation>%1 è maggiore di %2.</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>%1 bytes long, not %2</source>
        <translation>lungo %1 byte, non %2</translation>
    </message>
</context>
<context>
    <name>ConfigFiles</name>
    <message>
        <source>default configuration of master %1</source>
        <translation>configurazione predefinita del master %1</translation>
    </message>
    <message>
        <source>uploaded from master %1 at </source>
        <translation>Upload dal master %1 del </translation>
    </message>
    <message>
        <source>, modified</source>
        <translation>, modificata</translation>
    </message>
    <message>
        <source>Drop one configuration file at a time: %1 were dropped.</source>
        <translation>Trascinare un solo file di configurazione alla volta: ne sono stati trascinati %1.</translation>
    </message>
    <message>
        <source>Only a file on this computer can be opened, not %1.</source>
        <translation>Si può aprire solo un file di questo computer, non %1.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop the configuration file itself.</source>
        <translation>%1 è una cartella: trascinare il file di configurazione.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe or a device): only a .cfi file can be opened.</source>
        <translation>%1 non è un file normale (una pipe o un dispositivo): si può aprire solo un file .cfi.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only the first %2 bytes of the configuration would be replaced, the rest would stay as it is.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: sarebbero sostituiti solo i primi %2 byte della configurazione, il resto resterebbe com&apos;è.

Aprirlo comunque?</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only its first %3 bytes would be read and the rest ignored.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: sarebbero letti solo i primi %3 byte e il resto ignorato.

Aprirlo comunque?</translation>
    </message>
</context>
<context>
    <name>DeviceHint</name>
    <message>
        <source>No access</source>
        <translation>Nessun accesso</translation>
    </message>
    <message>
        <source>The USB device was found but may not be opened. The udev rule 60-qs7582.rules gives it to the logged-in user: the package installs it in /usr/lib/udev/rules.d; from source, install packaging/60-qs7582.rules (see the README section &quot;Device permissions&quot;). Without a desktop login, join the group plugdev (sudo usermod -aG plugdev $USER, then log in again). Then unplug and replug the device.</source>
        <translation>Il dispositivo USB è stato trovato ma non si può aprire. La regola udev 60-qs7582.rules lo assegna all&apos;utente collegato: il pacchetto la installa in /usr/lib/udev/rules.d; dai sorgenti, installare packaging/60-qs7582.rules (vedere la sezione &quot;Device permissions&quot; del README). Senza un accesso al desktop, entrare nel gruppo plugdev (sudo usermod -aG plugdev $USER, poi accedere di nuovo). Poi scollegare e ricollegare il dispositivo.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Another program holds the device, perhaps another Q7582 Manager. Close it: this manager tries again every 500 ms and takes the device once it is free.</source>
        <translation>Un altro programma tiene il dispositivo, forse un altro Q7582 Manager. Chiuderlo: questo programma riprova ogni 500 ms e prende il dispositivo appena è libero.</translation>
    </message>
</context>
<context>
    <name>DialogAnswers</name>
    <message>
        <source> 0 makes the event not periodic.</source>
        <translation> 0 rende l&apos;evento non periodico.</translation>
    </message>
    <message>
        <source> The period must end before midnight.</source>
        <translation> Il periodo deve finire prima di mezzanotte.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change</source>
        <translation>modifica</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altre %1</translation>
    </message>
</context>
<context>
    <name>EditorQuestions</name>
    <message>
        <source>Change output event</source>
        <translation>Modifica evento di uscita</translation>
    </message>
    <message>
        <source>Output event 0...65 (0=None,64=RESET MASTER,65=RESET SYSTEM)</source>
        <translation>Evento di uscita 0...65 (0=nessuno,64=RESET MASTER,65=RESET SYSTEM)</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul disco</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di ingresso/uscita</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>GeneratorPanel</name>
    <message>
        <source>STOP HeadPhone ||</source>
        <translation>STOP cuffia ||</translation>
    </message>
    <message>
        <source>PLAY HeadPhone &gt;</source>
        <translation>ASCOLTA in cuffia &gt;</translation>
    </message>
    <message>
        <source>STOP Channels ||</source>
        <translation>STOP canali ||</translation>
    </message>
    <message>
        <source>PLAY Channels &gt;</source>
        <translation>INVIA ai canali &gt;</translation>
    </message>
</context>
<context>
    <name>GridRules</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>No match found</source>
        <translation>Nessuna corrispondenza</translation>
    </message>
    <message>
        <source> - Key/input </source>
        <translation> - Tasto/ingresso </translation>
    </message>
    <message>
        <source> - Key </source>
        <translation> - Tasto </translation>
    </message>
    <message>
        <source>Keys and inputs with message or output event associated</source>
        <translation>Tasti e ingressi con messaggio o evento di uscita associato</translation>
    </message>
    <message>
        <source> - message </source>
        <translation> - messaggio </translation>
    </message>
    <message>
        <source> - output event </source>
        <translation> - evento di uscita </translation>
    </message>
    <message>
        <source>Keys and inputs with no zones associated</source>
        <translation>Tasti e ingressi senza zone associate</translation>
    </message>
    <message>
        <source>Message events with output event associated</source>
        <translation>Eventi messaggio con evento di uscita associato</translation>
    </message>
    <message>
        <source>Message event %1 - output event %2</source>
        <translation>Evento messaggio %1 - evento di uscita %2</translation>
    </message>
    <message>
        <source>Message events with no messages or zones associated</source>
        <translation>Eventi messaggio senza messaggi o zone associati</translation>
    </message>
    <message>
        <source>Message event </source>
        <translation>Evento messaggio </translation>
    </message>
    <message>
        <source> - NO message</source>
        <translation> - NESSUN messaggio</translation>
    </message>
    <message>
        <source> - NO zones</source>
        <translation> - NESSUNA zona</translation>
    </message>
    <message>
        <source>Programmed timer events</source>
        <translation>Eventi timer programmati</translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento timer </translation>
    </message>
    <message>
        <source> - NO output event </source>
        <translation> - NESSUN evento di uscita </translation>
    </message>
    <message>
        <source> - message events in list</source>
        <translation> - eventi messaggio in elenco</translation>
    </message>
    <message>
        <source> - message list EMPTY</source>
        <translation> - elenco messaggi VUOTO</translation>
    </message>
    <message>
        <source> - timer enabled</source>
        <translation> - timer attivo</translation>
    </message>
    <message>
        <source> - timer DISABLED</source>
        <translation> - timer DISATTIVATO</translation>
    </message>
</context>
<context>
    <name>NameCommands</name>
    <message>
        <source>Edit box</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Max 20 Characters</source>
        <translation>Al massimo 20 caratteri</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>The configuration was changed and not saved. Replace it anyway?</source>
        <translation>Configurazione modificata e non salvata. Sostituirla comunque?</translation>
    </message>
</context>
<context>
    <name>StatusRules</name>
    <message>
        <source>Unit </source>
        <translation>Unità </translation>
    </message>
    <message>
        <source>Input </source>
        <translation>Ingresso </translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento a tempo </translation>
    </message>
    <message>
        <source>Remote </source>
        <translation>Remoto </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Message </source>
        <translation>Messaggio </translation>
    </message>
    <message>
        <source>Enable summer legal time</source>
        <translation>Attiva l&apos;ora legale</translation>
    </message>
    <message>
        <source>Disable summer legal time</source>
        <translation>Disattiva l&apos;ora legale</translation>
    </message>
    <message>
        <source>DEFAULT Configuration of Master </source>
        <translation>Configurazione PREDEFINITA del master </translation>
    </message>
    <message>
        <source>Configuration from Master </source>
        <translation>Configurazione dal master </translation>
    </message>
    <message>
        <source>Configuration from File</source>
        <translation>Configurazione da file</translation>
    </message>
    <message>
        <source> - MODIFIED</source>
        <translation> - MODIFICATA</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Download complete: %1 blocks written to master %2</source>
        <translation>Download completato: %1 blocchi scritti nel master %2</translation>
    </message>
    <message>
        <source>Upload complete: %1 blocks read from master %2</source>
        <translation>Upload completato: %1 blocchi letti dal master %2</translation>
    </message>
    <message>
        <source>%1: restart %2 of %3, Esc cancels</source>
        <translation>%1: ripresa %2 di %3, Esc annulla</translation>
    </message>
</context>
<context>
    <name>q7582::AboutBox</name>
    <message>
        <source>RKDV7582 firmware release: %1.%2</source>
        <translation>Versione firmware RKDV7582: %1.%2</translation>
    </message>
    <message>
        <source>Q7582 firmware release: %1.%2</source>
        <translation>Versione firmware Q7582: %1.%2</translation>
    </message>
    <message>
        <source>Product : </source>
        <translation>Prodotto: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>Company Name: </source>
        <translation>Azienda: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>q7582::ActiveSourcePanel</name>
    <message>
        <source>Active source</source>
        <translation>Sorgente attiva</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Pty</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>q7582::ConfigCommands</name>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>%1 is not there any more.
Remove it from the recent files?</source>
        <translation>%1 non c&apos;è più.
Toglierlo dai file recenti?</translation>
    </message>
</context>
<context>
    <name>q7582::ConfigEditor</name>
    <message>
        <source>Edit configuration</source>
        <translation>Modifica configurazione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help topic %1 of %2</source>
        <translation>Argomento %1 della guida %2</translation>
    </message>
    <message>
        <source>Timer events</source>
        <translation>Eventi timer</translation>
    </message>
    <message>
        <source>IN/OUT logic</source>
        <translation>Logica IN/OUT</translation>
    </message>
    <message>
        <source>List keys and inputs with message or output event</source>
        <translation>Elenco tasti e ingressi con messaggio o evento di uscita</translation>
    </message>
    <message>
        <source>List keys and inputs with no zones associated</source>
        <translation>Elenco tasti e ingressi senza zone associate</translation>
    </message>
    <message>
        <source>List message events with output event</source>
        <translation>Elenco eventi messaggio con evento di uscita</translation>
    </message>
    <message>
        <source>List message events with no messages or zones associated</source>
        <translation>Elenco eventi messaggio senza messaggi o zone associati</translation>
    </message>
    <message>
        <source>List programmed timer events </source>
        <translation>Elenco eventi timer programmati </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Configuration modified</source>
        <translation>Configurazione modificata</translation>
    </message>
    <message>
        <source>Original configuration</source>
        <translation>Configurazione originale</translation>
    </message>
    <message>
        <source>Configuration is modified, save changes ?</source>
        <translation>La configurazione è modificata, salvare le modifiche?</translation>
    </message>
    <message>
        <source>Yes = save &amp; quit
No = quit
Cancel = continue</source>
        <translation>Sì = salva &amp; esci
No = esci
Annulla = continua</translation>
    </message>
</context>
<context>
    <name>q7582::GeneratorPage</name>
    <message>
        <source>RKDV7582 message generator</source>
        <translation>Generatore di messaggi RKDV7582</translation>
    </message>
    <message>
        <source>RKDV Date</source>
        <translation>Data RKDV</translation>
    </message>
    <message>
        <source>RKDV Time</source>
        <translation>Ora RKDV</translation>
    </message>
    <message>
        <source>Message list</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Align Date and Time with PC</source>
        <translation>Allinea data e ora al PC</translation>
    </message>
    <message>
        <source>Update summer legal time file</source>
        <translation>Aggiorna il file dell&apos;ora legale</translation>
    </message>
    <message>
        <source>WARNING: before inserting and removing the SD card turn off the equipment !!!</source>
        <translation>ATTENZIONE: spegnere l&apos;apparecchio prima di inserire o togliere la scheda SD !!!</translation>
    </message>
</context>
<context>
    <name>q7582::GridPages</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Message events</source>
        <translation>Eventi messaggio</translation>
    </message>
    <message>
        <source>Out events</source>
        <translation>Eventi di uscita</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Scheda %1</translation>
    </message>
    <message>
        <source>Activated out</source>
        <translation>Uscita attivata</translation>
    </message>
    <message>
        <source>Unaffected out</source>
        <translation>Uscita invariata</translation>
    </message>
    <message>
        <source>Deactivated out</source>
        <translation>Uscita disattivata</translation>
    </message>
    <message>
        <source>Selected zone</source>
        <translation>Zona selezionata</translation>
    </message>
    <message>
        <source>Unselected zone</source>
        <translation>Zona non selezionata</translation>
    </message>
    <message>
        <source>Message event </source>
        <translation>Evento messaggio </translation>
    </message>
    <message>
        <source>Out event </source>
        <translation>Evento uscita </translation>
    </message>
    <message>
        <source>Key/input </source>
        <translation>Tasto/ingresso </translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Tasto </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Change priority</source>
        <translation>Modifica priorità</translation>
    </message>
    <message>
        <source>Priority number 1...7</source>
        <translation>Priorità 1...7</translation>
    </message>
    <message>
        <source>Change message number</source>
        <translation>Modifica numero del messaggio</translation>
    </message>
    <message>
        <source>Message number 0...127 (0=none)</source>
        <translation>Numero del messaggio 0...127 (0=nessuno)</translation>
    </message>
</context>
<context>
    <name>q7582::GroupsPanel</name>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
</context>
<context>
    <name>q7582::IoGridPanel</name>
    <message>
        <source>Card </source>
        <translation>Scheda </translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Uscite digitali</translation>
    </message>
    <message>
        <source>Digital inputs</source>
        <translation>Ingressi digitali</translation>
    </message>
</context>
<context>
    <name>q7582::IoLogicPage</name>
    <message>
        <source>In contact</source>
        <translation>Contatti IN</translation>
    </message>
    <message>
        <source>Out contact</source>
        <translation>Contatti OUT</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>Fronte salita</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>Fronte discesa</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Scheda %1</translation>
    </message>
    <message>
        <source>Positive logic</source>
        <translation>Logica positiva</translation>
    </message>
    <message>
        <source>Negative logic</source>
        <translation>Logica negativa</translation>
    </message>
</context>
<context>
    <name>q7582::LevelsPanel</name>
    <message>
        <source>Speech</source>
        <translation>Annunci</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>VOX1 input</source>
        <translation>Ingresso VOX1</translation>
    </message>
    <message>
        <source>VOX2 input</source>
        <translation>Ingresso VOX2</translation>
    </message>
    <message>
        <source>Message input</source>
        <translation>Ingr. messaggi</translation>
    </message>
    <message>
        <source>Unit input</source>
        <translation>Ingresso unità</translation>
    </message>
    <message>
        <source>Remote input</source>
        <translation>Ingresso remoto</translation>
    </message>
    <message>
        <source>Speech level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Music level</source>
        <translation>Livello</translation>
    </message>
</context>
<context>
    <name>q7582::LiveControls</name>
    <message>
        <source>Edit box</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Addr 0...5</source>
        <translation>Indirizzo 0...5</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one digit from 0 to 5.</source>
        <translation>&apos;%1&apos; non è una cifra da 0 a 5.</translation>
    </message>
</context>
<context>
    <name>q7582::MainMenuBar</name>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Messaggi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapporti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Upload</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Confronta...</translation>
    </message>
    <message>
        <source>Compare with De&amp;fault</source>
        <translation>Confronta con la &amp;predefinita</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>S&amp;torico...</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>Carica configurazione p&amp;redefinita</translation>
    </message>
    <message>
        <source>Master %1</source>
        <translation>Master %1</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Stato</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>Connected &amp;units</source>
        <translation>&amp;Unità collegate</translation>
    </message>
    <message>
        <source>Connected &amp;IO card</source>
        <translation>Schede &amp;I/O collegate</translation>
    </message>
    <message>
        <source>Configured &amp;Timers</source>
        <translation>&amp;Timer configurati</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>Linea &amp;temporale...</translation>
    </message>
    <message>
        <source>H&amp;elp Language</source>
        <translation>Lingua d&amp;ell&apos;aiuto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Automatic (the desktop&apos;s language)</source>
        <translation>&amp;Automatica (la lingua del desktop)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The manager shows its windows in the new language from its next start.</source>
        <translation>Il programma mostra le sue finestre nella nuova lingua dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>q7582::MasterPanel</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Master address</source>
        <translation>Indirizzo master</translation>
    </message>
    <message>
        <source>Double click to change the master address</source>
        <translation>Doppio clic per cambiare l&apos;indirizzo del master</translation>
    </message>
    <message>
        <source>Chime enable</source>
        <translation>Gong attivo</translation>
    </message>
    <message>
        <source>Master Date</source>
        <translation>Data master</translation>
    </message>
    <message>
        <source>Master Time</source>
        <translation>Ora master</translation>
    </message>
    <message>
        <source>Align Date and Time with PC</source>
        <translation>Allinea data e ora al PC</translation>
    </message>
</context>
<context>
    <name>q7582::MessageEventPicker</name>
    <message>
        <source>Message event </source>
        <translation>Ev. messaggio </translation>
    </message>
    <message>
        <source>Message event list</source>
        <translation>Eventi messaggio</translation>
    </message>
    <message>
        <source>Selection list</source>
        <translation>Selezionati</translation>
    </message>
</context>
<context>
    <name>q7582::MusicSelectionPanel</name>
    <message>
        <source>Music selection</source>
        <translation>Selezione musica</translation>
    </message>
    <message>
        <source>Music source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Music on Remote</source>
        <translation>Musica su remoto</translation>
    </message>
</context>
<context>
    <name>q7582::RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>File r&amp;ecenti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (mancante)</translation>
    </message>
</context>
<context>
    <name>q7582::RecordCommand</name>
    <message>
        <source>Rec&amp;ord</source>
        <translation>Regis&amp;tra</translation>
    </message>
    <message>
        <source>Not recording: %1</source>
        <translation>Registrazione non avviata: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in a timeline window</source>
        <translation>%1
Un clic la apre in una finestra della linea temporale</translation>
    </message>
    <message>
        <source>Recorded %1 reads into %2</source>
        <translation>Registrate %1 letture in %2</translation>
    </message>
</context>
<context>
    <name>q7582::RepeatDaysRow</name>
    <message>
        <source>One Time</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
</context>
<context>
    <name>q7582::SiteMenu</name>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Sito</translation>
    </message>
    <message>
        <source>&amp;New Site...</source>
        <translation>&amp;Nuovo sito...</translation>
    </message>
    <message>
        <source>&amp;Open Site...</source>
        <translation>&amp;Apri sito...</translation>
    </message>
    <message>
        <source>Open Site &amp;Folder</source>
        <translation>Apri la &amp;cartella del sito</translation>
    </message>
    <message>
        <source>O&amp;verview</source>
        <translation>&amp;Panoramica</translation>
    </message>
</context>
<context>
    <name>q7582::StatusBarPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel the transfer (Esc)</source>
        <translation>Annulla il trasferimento (Esc)</translation>
    </message>
</context>
<context>
    <name>q7582::TimerPage</name>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A timer with no message event and no output event cannot be enabled: add message events (&quot;&gt;&gt;&quot;) or set a timer output event first.</source>
        <translation>Un timer senza eventi messaggio né evento di uscita non può essere attivato: aggiungere prima eventi messaggio (&quot;&gt;&gt;&quot;) o impostare un evento di uscita del timer.</translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento timer </translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Timer output event</source>
        <translation>Evento uscita timer</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>Fronte di salita</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>Fronte di discesa</translation>
    </message>
</context>
<context>
    <name>q7582::TimerSchedule</name>
    <message>
        <source>Event date</source>
        <translation>Data evento</translation>
    </message>
    <message>
        <source>Event time</source>
        <translation>Ora evento</translation>
    </message>
    <message>
        <source>Set periodic event</source>
        <translation>Rendi periodico</translation>
    </message>
    <message>
        <source>Period (sec.)</source>
        <translation>Periodo (s)</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Reset periodic event</source>
        <translation>Rendi non periodico</translation>
    </message>
    <message>
        <source>Start event date</source>
        <translation>Data inizio</translation>
    </message>
    <message>
        <source>Start event time</source>
        <translation>Ora inizio</translation>
    </message>
    <message>
        <source>Change interval time</source>
        <translation>Modifica intervallo</translation>
    </message>
    <message>
        <source>Seconds 10...43200</source>
        <translation>Secondi 10...43200</translation>
    </message>
    <message>
        <source>Invalid &apos;Start event time&apos; (must be lower than &apos;Stop time&apos;)</source>
        <translation>&apos;Ora inizio&apos; non valida (deve precedere &apos;Ora di fine&apos;)</translation>
    </message>
    <message>
        <source>Invalid &apos;Stop time&apos; (must be higher than &apos;Start event time&apos;)</source>
        <translation>&apos;Ora di fine&apos; non valida (deve seguire &apos;Ora inizio&apos;)</translation>
    </message>
</context>
<context>
    <name>q7582::TransferController</name>
    <message>
        <source>No master connected</source>
        <translation>Nessun master collegato</translation>
    </message>
</context>
<context>
    <name>q7582::UnitsPanel</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pty/Line</source>
        <translation>Prio/Linea</translation>
    </message>
</context>
<context>
    <name>q7582::VoxPanel</name>
    <message>
        <source>VOX1 threshold</source>
        <translation>Soglia VOX1</translation>
    </message>
    <message>
        <source>VOX2 threshold</source>
        <translation>Soglia VOX2</translation>
    </message>
    <message>
        <source>VOX1 level</source>
        <translation>Livello VOX1</translation>
    </message>
    <message>
        <source>VOX2 level</source>
        <translation>Livello VOX2</translation>
    </message>
</context>
<context>
    <name>q7582::WindowHelp</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>q7582::ZoneGrid</name>
    <message>
        <source>Output event</source>
        <translation>Evento uscita</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>q7582::ZoneGridPanel</name>
    <message>
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
</context>
</TS>
