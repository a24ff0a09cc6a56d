<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows and changes the live state of a Q7582 master or RKDV7582 message generator over USB,
reads and writes the master&apos;s configuration and keeps it in .cfi files.
The manager keeps its settings, name files and history in the folder it is started from:
that folder is the site (one installation); -C DIR starts in DIR instead, as git -C does.
Q7582_PORT=PATH uses that serial device (or the simulator&apos;s link) instead of libftdi.

Commands, run without a window in the site they start in, under the same lock as the window:
  upload [-o FILE]       read the master&apos;s configuration into the history (history/) and FILE
  download FILE          write FILE (32768 bytes) to the master; --master N refuses another
                         address; a history entry of another master, or a file of another
                         site, needs --force
  download FILE --dry-run  print what the Download would change on the master, write nothing:
                         status 0 no difference, 1 some, 2 what the master holds is unknown
  status                 print the status report, as &quot;Report&quot; &gt; &quot;Status&quot; shows it
  history                list the history, newest first, one entry a line
  sites                  list the known sites: name, folder, masters kept, newest entry
  record [-o FILE] [--for DURATION]  record every status read, the connection&apos;s changes and
                         what this program writes into FILE (recordings/&lt;date-time&gt;.q7582rec),
                         until DURATION (90s, 15m, 2h, 1d) has passed or Ctrl-C; status 1 when
                         writing failed (disk full), the file then holds what came before
  events RECORDING       list the changes of a recording (time, group, what, from, to);
                         --csv as CSV, --from and --to TIME (ISO 8601, local time unless
                         it ends in Z or an offset) limit the span; needs no master
A FILE.cfi instead of a command opens that file in the window, as &quot;Config&quot; &gt; &quot;Open&quot; does;
a RECORDING.q7582rec opens its timeline, as &quot;Report&quot; &gt; &quot;Timeline...&quot; does.
Each waits up to --wait seconds for a master. Exit status: 0 done, 1 the transfer failed,
2 bad usage, a bad file or site folder, 3 no master, the device or the folder in use, another
master or another site&apos;s configuration.</source>
        <translation>Mostra e cambia lo stato in tempo reale di un master Q7582 o di un generatore di messaggi
RKDV7582 via USB, legge e scrive la configurazione del master e la conserva in file .cfi.
Il programma tiene impostazioni, file dei nomi e storico nella cartella da cui parte:
quella cartella è il sito (un impianto); -C DIR parte invece in DIR, come git -C.
Q7582_PORT=PATH usa quel dispositivo seriale (o il collegamento del simulatore) invece di libftdi.

Comandi, eseguiti senza finestra nel sito in cui partono, con lo stesso blocco della finestra:
  upload [-o FILE]       legge la configurazione del master nello storico (history/) e in FILE
  download FILE          scrive FILE (32768 byte) nel master; --master N rifiuta un altro
                         indirizzo; una voce dello storico di un altro master, o un file di un
                         altro sito, richiede --force
  download FILE --dry-run  mostra cosa cambierebbe il Download nel master, senza scrivere nulla:
                         stato 0 nessuna differenza, 1 alcune, 2 contenuto del master ignoto
  status                 mostra il rapporto di stato, come &quot;Rapporti&quot; &gt; &quot;Stato&quot;
  history                elenca lo storico, dalla voce più recente, una voce per riga
  sites                  elenca i siti noti: nome, cartella, master conservati, voce più recente
  record [-o FILE] [--for DURATION]  registra ogni lettura dello stato, i cambi del collegamento
                         e ciò che questo programma scrive in FILE (recordings/&lt;data-ora&gt;.q7582rec),
                         finché non è trascorsa DURATION (90s, 15m, 2h, 1d) o fino a Ctrl-C;
                         stato 1 se la scrittura è fallita (disco pieno), il file tiene quanto c&apos;era prima
  events RECORDING       elenca i cambiamenti di una registrazione (ora, gruppo, cosa, da, a);
                         --csv come CSV, --from e --to TIME (ISO 8601, ora locale salvo che
                         finisca con Z o uno scostamento) limitano l&apos;intervallo; senza master
Un FILE.cfi al posto di un comando apre quel file nella finestra, come &quot;Configurazione&quot; &gt; &quot;Apri&quot;;
una RECORDING.q7582rec apre la sua linea temporale, come &quot;Rapporti&quot; &gt; &quot;Linea temporale...&quot;.
Ognuno attende un master fino a --wait secondi. Stato di uscita: 0 fatto, 1 trasferimento fallito,
2 uso errato, file o cartella del sito errati, 3 nessun master, dispositivo o cartella in uso, un altro
master o la configurazione di un altro sito.</translation>
    </message>
    <message>
        <source>upload: also write the configuration into FILE; record: record into FILE.</source>
        <translation>upload: scrive la configurazione anche in FILE; record: registra in FILE.</translation>
    </message>
    <message>
        <source>download: refuse a master with another address than N (0..5).</source>
        <translation>download: rifiuta un master con un indirizzo diverso da N (0..5).</translation>
    </message>
    <message>
        <source>download: write a history entry of another master, or a file of another site, all the same.</source>
        <translation>download: scrive comunque una voce dello storico di un altro master, o un file di un altro sito.</translation>
    </message>
    <message>
        <source>download: print the differences from what the master holds (its newest complete history entry) and write nothing.</source>
        <translation>download: mostra le differenze da ciò che il master contiene (la sua voce completa più recente dello storico) e non scrive nulla.</translation>
    </message>
    <message>
        <source>record: stop after DURATION (90s, 15m, 2h, 1d; seconds without a unit).</source>
        <translation>record: si ferma dopo DURATION (90s, 15m, 2h, 1d; secondi senza unità).</translation>
    </message>
    <message>
        <source>How many seconds a command waits for a master (default 10).</source>
        <translation>Quanti secondi un comando attende un master (predefinito 10).</translation>
    </message>
    <message>
        <source>events: print CSV, a column per field.</source>
        <translation>events: scrive CSV, una colonna per campo.</translation>
    </message>
    <message>
        <source>events: from TIME on (ISO 8601).</source>
        <translation>events: da TIME in poi (ISO 8601).</translation>
    </message>
    <message>
        <source>events: up to TIME (ISO 8601).</source>
        <translation>events: fino a TIME (ISO 8601).</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando &quot;%1&quot; sconosciuto</translation>
    </message>
    <message>
        <source>download wants one FILE</source>
        <translation>download vuole un FILE</translation>
    </message>
    <message>
        <source>events wants one RECORDING</source>
        <translation>events vuole una RECORDING</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento &quot;%1&quot; inatteso</translation>
    </message>
    <message>
        <source>--csv, --from and --to are options of events</source>
        <translation>--csv, --from e --to sono opzioni di events</translation>
    </message>
    <message>
        <source>--%1 wants a time such as 2026-12-08T03:45:00</source>
        <translation>--%1 vuole un&apos;ora come 2026-12-08T03:45:00</translation>
    </message>
    <message>
        <source>-o is an option of upload and record</source>
        <translation>-o è un&apos;opzione di upload e record</translation>
    </message>
    <message>
        <source>--for is an option of record</source>
        <translation>--for è un&apos;opzione di record</translation>
    </message>
    <message>
        <source>--for wants a duration such as 90s, 15m, 2h or 1d</source>
        <translation>--for vuole una durata come 90s, 15m, 2h o 1d</translation>
    </message>
    <message>
        <source>--master, --force and --dry-run are options of download</source>
        <translation>--master, --force e --dry-run sono opzioni di download</translation>
    </message>
    <message>
        <source>--master wants a number 0..5</source>
        <translation>--master vuole un numero 0..5</translation>
    </message>
    <message>
        <source>--wait wants a number of seconds 0..3600</source>
        <translation>--wait vuole un numero di secondi 0..3600</translation>
    </message>
    <message>
        <source>Log the device link and file writes on standard error (the q7582.* logging categories).</source>
        <translation>Registra sullo standard error il collegamento col dispositivo e le scritture dei file (le categorie di log q7582.*).</translation>
    </message>
    <message>
        <source>Print the differences between two .cfi files given after the options (FROM TO) and exit
without a window: status 0 when they are the same, 1 when they differ, 2 on an error.</source>
        <translation>Mostra le differenze fra due file .cfi dati dopo le opzioni (FROM TO) ed esce
senza finestra: stato 0 se sono uguali, 1 se differiscono, 2 in caso di errore.</translation>
    </message>
    <message>
        <source>Work in the site folder DIR, as if started there; it becomes a known site.</source>
        <translation>Lavora nella cartella del sito DIR, come se partisse lì; diventa un sito noto.</translation>
    </message>
    <message>
        <source>Open the window in the site used last (asking for a first site&apos;s name when there is none), as the menu entry does.</source>
        <translation>Apre la finestra nell&apos;ultimo sito usato (chiedendo il nome di un primo sito se non ce n&apos;è), come la voce del menu.</translation>
    </message>
    <message>
        <source>upload, download FILE, status, history, sites, record or events RECORDING (see above), or a .cfi FILE to open in the window.</source>
        <translation>upload, download FILE, status, history, sites, record o events RECORDING (vedi sopra), o un FILE .cfi da aprire nella finestra.</translation>
    </message>
    <message>
        <source>--compare wants two files, FROM and TO</source>
        <translation>--compare vuole due file, FROM e TO</translation>
    </message>
    <message>
        <source>--last-site and -C name two sites</source>
        <translation>--last-site e -C indicano due siti</translation>
    </message>
    <message>
        <source>--last-site is for the window</source>
        <translation>--last-site è per la finestra</translation>
    </message>
    <message>
        <source>--%1 goes with a command</source>
        <translation>--%1 va con un comando</translation>
    </message>
    <message>
        <source>: cannot work in the site folder %1: %2
</source>
        <translation>: impossibile lavorare nella cartella del sito %1: %2
</translation>
    </message>
    <message>
        <source>[command | FILE]</source>
        <translation>[comando | FILE]</translation>
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
    <name>Terminal</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>cartella inesistente</translation>
    </message>
    <message>
        <source>What master %1 holds is unknown: read it first (qs7582 upload with it connected).</source>
        <translation>Il contenuto del master %1 è ignoto: leggetelo prima (qs7582 upload con il master collegato).</translation>
    </message>
    <message>
        <source> A Download would need --force.</source>
        <translation> Un Download richiederebbe --force.</translation>
    </message>
    <message>
        <source>Standard output: </source>
        <translation>Standard output: </translation>
    </message>
    <message>
        <source>%1 [%2%3] %4/%5 blocks</source>
        <translation>%1 [%2%3] %4/%5 blocchi</translation>
    </message>
    <message>
        <source>Recording into %1; Ctrl-C stops.</source>
        <translation>Registrazione in %1; Ctrl-C la ferma.</translation>
    </message>
    <message>
        <source>, %1 lost</source>
        <translation>, %1 perse</translation>
    </message>
    <message>
        <source>%1: %2 reads%3</source>
        <translation>%1: %2 letture%3</translation>
    </message>
    <message>
        <source>history unreadable: </source>
        <translation>storico illeggibile: </translation>
    </message>
    <message>
        <source>no history</source>
        <translation>nessuno storico</translation>
    </message>
    <message>
        <source>masters %1  newest %2 master %3 %4%5</source>
        <translation>master %1  più recente %2 master %3 %4%5</translation>
    </message>
    <message>
        <source>Site %1: %2</source>
        <translation>Sito %1: %2</translation>
    </message>
    <message>
        <source>The list of known sites was not written: </source>
        <translation>L&apos;elenco dei siti noti non è stato scritto: </translation>
    </message>
    <message>
        <source>No site is known yet: a folder used with -C, or opened in the window, becomes one.</source>
        <translation>Nessun sito è ancora noto: una cartella usata con -C, o aperta nella finestra, lo diventa.</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Il dispositivo è in uso da un altro programma.</translation>
    </message>
    <message>
        <source>The device may not be opened: no access (see &quot;Device permissions&quot; in the README).</source>
        <translation>Il dispositivo non può essere aperto: accesso negato (vedete &quot;Device permissions&quot; nel README).</translation>
    </message>
    <message>
        <source>A message generator is connected, not a master.</source>
        <translation>È collegato un generatore di messaggi, non un master.</translation>
    </message>
    <message>
        <source>No device found within %1 s.</source>
        <translation>Nessun dispositivo trovato entro %1 s.</translation>
    </message>
    <message>
        <source>No master answered within %1 s.</source>
        <translation>Nessun master ha risposto entro %1 s.</translation>
    </message>
    <message>
        <source>Configuration history not written: </source>
        <translation>Storico della configurazione non scritto: </translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>: the Upload starts again (%1 of %2).</source>
        <translation>: l&apos;Upload riparte (%1 di %2).</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>Upload annullato.</translation>
    </message>
    <message>
        <source>No master answered within %1 s: the Upload was given up.</source>
        <translation>Nessun master ha risposto entro %1 s: l&apos;Upload è stato abbandonato.</translation>
    </message>
    <message>
        <source>%1 was read from master %2; the connected master is %3.</source>
        <translation>%1 è stato letto dal master %2; il master collegato è il %3.</translation>
    </message>
    <message>
        <source>%1 was read from master %2, not master %3.</source>
        <translation>%1 è stato letto dal master %2, non dal master %3.</translation>
    </message>
    <message>
        <source>The connected master is %1, not %2: nothing was written.</source>
        <translation>Il master collegato è il %1, non il %2: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source> Nothing was written: --force downloads it anyway.</source>
        <translation> Non è stato scritto nulla: --force ne fa comunque il Download.</translation>
    </message>
    <message>
        <source>Interrupted: the Download finishes first; interrupt again to cut it.</source>
        <translation>Interrotto: prima finisce il Download; interrompete di nuovo per troncarlo.</translation>
    </message>
    <message>
        <source>Download complete: %1 blocks written to master %2</source>
        <translation>Download completato: %1 blocchi scritti nel master %2</translation>
    </message>
    <message>
        <source>Download cut at block %1 of %2: the master holds a partial configuration.</source>
        <translation>Download troncato al blocco %1 di %2: il master contiene una configurazione parziale.</translation>
    </message>
    <message>
        <source>Download cut before it began: nothing was written.</source>
        <translation>Download troncato prima di iniziare: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The link failed before the Download began: nothing was written.</source>
        <translation>Il collegamento è caduto prima dell&apos;inizio del Download: non è stato scritto nulla.</translation>
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
    <name>WorkingFolderLock</name>
    <message>
        <source>The Q7582 Manager is already running in this folder</source>
        <translation>Il Q7582 Manager è già in esecuzione in questa cartella</translation>
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
    <name>q7582::GroupsPanel</name>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
</context>
<context>
    <name>q7582::HelpWindow</name>
    <message>
        <source>Q7582 Manager Help</source>
        <translation>Guida del Q7582 Manager</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
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
    <name>q7582::ZoneGridPanel</name>
    <message>
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
</context>
</TS>
