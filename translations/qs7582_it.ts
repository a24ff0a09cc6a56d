<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ConfigFiles</name>
    <message>
        <source>Drop one configuration file at a time: %1 were dropped.</source>
        <translation>Trascinate un file di configurazione alla volta: ne sono stati trascinati %1.</translation>
    </message>
    <message>
        <source>Only a file on this computer can be opened, not %1.</source>
        <translation>Si può aprire solo un file di questo computer, non %1.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop the configuration file itself.</source>
        <translation>%1 è una cartella: trascinate il file di configurazione stesso.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe or a device): only a .cfi file can be opened.</source>
        <translation>%1 non è un file normale (una pipe o un dispositivo): si può aprire solo un file .cfi.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only the first %2 bytes of the configuration would be replaced, the rest would stay as it is.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: verrebbero sostituiti solo i primi %2 byte della configurazione, il resto rimarrebbe com&apos;è.

Aprirlo comunque?</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only its first %3 bytes would be read and the rest ignored.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: verrebbero letti solo i suoi primi %3 byte e il resto ignorato.

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
    <name>DownloadQuestion</name>
    <message>
        <source>This configuration was read from master %1; the connected master is %2.</source>
        <translation>Questa configurazione è stata letta dal master %1; il master collegato è il %2.</translation>
    </message>
    <message>
        <source>What this Download changes on master %1 is unknown until it is read.</source>
        <translation>Finché il master %1 non viene letto, non si sa che cosa cambia questo Download.</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>Fare comunque il Download?</translation>
    </message>
    <message>
        <source>Show differences</source>
        <translation>Mostra le differenze</translation>
    </message>
    <message>
        <source>Read the master first</source>
        <translation>Leggi prima il master</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Fingerprints</name>
    <message>
        <source>This configuration is the one site %1 keeps for master %2, %3 of %4</source>
        <translation>Questa configurazione è quella che il sito %1 conserva per il master %2, %3 del %4</translation>
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
    <name>HistoryRows</name>
    <message>
        <source>partial</source>
        <translation>parziale</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
</context>
<context>
    <name>KnownSites</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>a file, not a folder</source>
        <translation>un file, non una cartella</translation>
    </message>
    <message>
        <source>a FIFO, not a folder</source>
        <translation>una FIFO, non una cartella</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>non una cartella</translation>
    </message>
</context>
<context>
    <name>LegacyFolder</name>
    <message>
        <source>another manager is using it</source>
        <translation>un altro gestore la sta usando</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>non si può creare</translation>
    </message>
    <message>
        <source>The files of earlier versions are now the site &quot;%1&quot; in %2; %3 leads there.</source>
        <translation>I file delle versioni precedenti ora sono il sito &quot;%1&quot; in %2; %3 porta lì.</translation>
    </message>
    <message>
        <source>The files of earlier versions are the site &quot;%1&quot;, kept in %2 (%3).</source>
        <translation>I file delle versioni precedenti sono il sito &quot;%1&quot;, rimasto in %2 (%3).</translation>
    </message>
    <message>
        <source>The list of sites cannot be written: %1</source>
        <translation>Non si può scrivere l&apos;elenco dei siti: %1</translation>
    </message>
</context>
<context>
    <name>MasterHoldings</name>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Non si può leggere lo storico: %1</translation>
    </message>
    <message>
        <source>The last Download to master %1 was cut short: what it holds is unknown.</source>
        <translation>L&apos;ultimo Download nel master %1 è stato interrotto: non si sa che cosa contiene.</translation>
    </message>
    <message>
        <source>The newest history entry of master %1 cannot be read: %2</source>
        <translation>Non si può leggere la voce più recente dello storico del master %1: %2</translation>
    </message>
    <message>
        <source>The history holds nothing of master %1.</source>
        <translation>Lo storico non contiene nulla del master %1.</translation>
    </message>
    <message>
        <source>The master already holds this configuration</source>
        <translation>Il master contiene già questa configurazione</translation>
    </message>
    <message>
        <source>Download: %1 %2 from what master %3 holds (its %4 of %5)</source>
        <translation>Download: %1 %2 rispetto a quello che contiene il master %3 (il suo %4 del %5)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>differenza</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>differenze</translation>
    </message>
</context>
<context>
    <name>MessageFolderWindowCommands</name>
    <message>
        <source>&amp;Open-create Message Folder</source>
        <translation>&amp;Apri/crea cartella dei messaggi</translation>
    </message>
    <message>
        <source>Open-Create|Open or create a message folder</source>
        <translation>Apri/crea|Apri o crea una cartella dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Close Folder</source>
        <translation>&amp;Chiudi cartella</translation>
    </message>
    <message>
        <source>Close|Close message folder</source>
        <translation>Chiudi|Chiudi la cartella dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Add Message to List</source>
        <translation>A&amp;ggiungi messaggio all&apos;elenco</translation>
    </message>
    <message>
        <source>Add|Add a .wav file to the message list</source>
        <translation>Aggiungi|Aggiungi un file .wav all&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Delete Message from List</source>
        <translation>&amp;Elimina messaggio dall&apos;elenco</translation>
    </message>
    <message>
        <source>Delete|Delate a .wav file from the list</source>
        <translation>Elimina|Elimina un file .wav dall&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Change title</source>
        <translation>Cambia &amp;titolo</translation>
    </message>
    <message>
        <source>Change title|Change title of message list</source>
        <translation>Cambia titolo|Cambia il titolo dell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Find file</source>
        <translation>Ce&amp;rca file</translation>
    </message>
    <message>
        <source>Find|Find file in the message list</source>
        <translation>Cerca|Cerca un file nell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>C&amp;hange description</source>
        <translation>Cambia &amp;descrizione</translation>
    </message>
    <message>
        <source>Change description|Change description of message file</source>
        <translation>Cambia descrizione|Cambia la descrizione del file del messaggio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help compiler info</source>
        <translation>Guida del compilatore</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close Message Folder</source>
        <translation>Chiudi la cartella dei messaggi</translation>
    </message>
</context>
<context>
    <name>MessageFolderWindowQuestions</name>
    <message>
        <source>Enter a title for the message list (max.100 char.)</source>
        <translation>Scrivete un titolo per l&apos;elenco dei messaggi (max. 100 caratteri)</translation>
    </message>
    <message>
        <source>Enter a description of the message file (max. 50 char.)</source>
        <translation>Scrivete una descrizione del file del messaggio (max. 50 caratteri)</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Il titolo</translation>
    </message>
    <message>
        <source>description</source>
        <translation>La descrizione</translation>
    </message>
    <message>
        <source>Edit text box</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>The %1 has %2 characters.</source>
        <translation>%1 ha %2 caratteri.</translation>
    </message>
    <message>
        <source>Enter a message number (1..127)</source>
        <translation>Scrivete un numero di messaggio (1..127)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Message %1: %2 (%1.WAV)</source>
        <translation>Messaggio %1: %2 (%1.WAV)</translation>
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
    <name>RecordingFiles</name>
    <message>
        <source>Recording %1, %2 MB</source>
        <translation>Registrazione %1, %2 MB</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>%1 is a folder, not a recording</source>
        <translation>%1 è una cartella, non una registrazione</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so not a recording</source>
        <translation>%1 non è un file normale, quindi non è una registrazione</translation>
    </message>
    <message>
        <source>%1 is not a recording</source>
        <translation>%1 non è una registrazione</translation>
    </message>
    <message>
        <source>%1 is truncated: not a whole recording</source>
        <translation>%1 è troncato: non è una registrazione intera</translation>
    </message>
    <message>
        <source>%1 is damaged: the reads recorded from %2 on cannot be read</source>
        <translation>%1 è danneggiato: le letture registrate da %2 in poi non si possono leggere</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 non si può aprire: %2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 è danneggiato</translation>
    </message>
    <message>
        <source>%1 is a database of another program, not a recording</source>
        <translation>%1 è un database di un altro programma, non una registrazione</translation>
    </message>
    <message>
        <source>%1 was recorded by a newer version (format %2; this one reads format %3)</source>
        <translation>%1 è stato registrato da una versione più recente (formato %2; questa legge il formato %3)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato: %2</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>%1 exists already</source>
        <translation>%1 esiste già</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Registrazione interrotta: %1</translation>
    </message>
</context>
<context>
    <name>SiteFolder</name>
    <message>
        <source>A site needs a name.</source>
        <translation>Un sito deve avere un nome.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot begin or end with a space.</source>
        <translation>Il nome di un sito non può iniziare o finire con uno spazio.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot contain &quot;/&quot;.</source>
        <translation>Il nome di un sito non può contenere &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A site cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Un sito non può chiamarsi &quot;.&quot; o &quot;..&quot;.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot begin with a dot: its folder would be hidden.</source>
        <translation>Il nome di un sito non può iniziare con un punto: la sua cartella sarebbe nascosta.</translation>
    </message>
    <message>
        <source>A site&apos;s name can have at most %1 characters.</source>
        <translation>Il nome di un sito può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot contain control characters.</source>
        <translation>Il nome di un sito non può contenere caratteri di controllo.</translation>
    </message>
</context>
<context>
    <name>SiteOrigin</name>
    <message>
        <source> (master %1)</source>
        <translation> (master %1)</translation>
    </message>
    <message>
        <source>This configuration belongs to site %1%2; the open site is %3.</source>
        <translation>Questa configurazione appartiene al sito %1%2; il sito aperto è %3.</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>Fare comunque il Download?</translation>
    </message>
</context>
<context>
    <name>SiteSession</name>
    <message>
        <source>%1The site %2 cannot be opened: %3 is %4.</source>
        <translation>%1Il sito %2 non si può aprire: %3 è %4.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 è %2.</translation>
    </message>
    <message>
        <source>The site %1 cannot be opened: it is %2.</source>
        <translation>Il sito %1 non si può aprire: è %2.</translation>
    </message>
    <message>
        <source>The site %1 is the one open.</source>
        <translation>Il sito %1 è quello già aperto.</translation>
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
    <name>q7582::HistoryWindow</name>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Storico delle configurazioni</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Parziale</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Compare with &amp;memory</source>
        <translation>Confronta con la &amp;memoria</translation>
    </message>
    <message>
        <source>Compare &amp;two</source>
        <translation>Confronta &amp;due</translation>
    </message>
    <message>
        <source>Open &amp;folder</source>
        <translation>Apri ca&amp;rtella</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 entries in %2</source>
        <translation>%1 voci in %2</translation>
    </message>
    <message>
        <source>The file manager could not open %1</source>
        <translation>Il gestore dei file non ha potuto aprire %1</translation>
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
    <name>q7582::MessageFolderWindow</name>
    <message>
        <source>Q7582 message folder compiler</source>
        <translation>Compilatore della cartella dei messaggi Q7582</translation>
    </message>
    <message>
        <source>Message list title</source>
        <translation>Titolo dell&apos;elenco</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Message folder: %1</source>
        <translation>Cartella dei messaggi: %1</translation>
    </message>
    <message>
        <source>Message folder: not selected</source>
        <translation>Cartella dei messaggi: non scelta</translation>
    </message>
    <message>
        <source>Message list folder</source>
        <translation>Cartella dell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>Error loading message folder.</source>
        <translation>Errore nel caricare la cartella dei messaggi.</translation>
    </message>
    <message>
        <source>Errors found: open the error log?</source>
        <translation>Trovati errori: aprire il registro degli errori?</translation>
    </message>
    <message>
        <source>Save the list with the corrections?</source>
        <translation>Salvare l&apos;elenco con le correzioni?</translation>
    </message>
    <message>
        <source>Open wave files</source>
        <translation>Apri file WAV</translation>
    </message>
    <message>
        <source>wave files (*.wav *.WAV)</source>
        <translation>file WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Add message to list</source>
        <translation>Aggiungi messaggio all&apos;elenco</translation>
    </message>
    <message>
        <source>Message %1 is already in the list.</source>
        <translation>Il messaggio %1 è già nell&apos;elenco.</translation>
    </message>
    <message>
        <source>ARE YOU SURE ?</source>
        <translation>SIETE SICURI ?</translation>
    </message>
    <message>
        <source>Remove file from Message List</source>
        <translation>Togli file dall&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>Find file</source>
        <translation>Cerca file</translation>
    </message>
    <message>
        <source>LIST IS EMPTY</source>
        <translation>ELENCO VUOTO</translation>
    </message>
    <message>
        <source>Find message in list</source>
        <translation>Cerca messaggio nell&apos;elenco</translation>
    </message>
    <message>
        <source>Message %1 is not in the list.</source>
        <translation>Il messaggio %1 non è nell&apos;elenco.</translation>
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
    <message>
        <source>New Site</source>
        <translation>Nuovo sito</translation>
    </message>
    <message>
        <source>Name of the new site (one installation):</source>
        <translation>Nome del nuovo sito (un impianto):</translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation>Apri sito</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>The site %1 is %2. Remove it from the recent sites?</source>
        <translation>Il sito %1 è %2. Toglierlo dai siti recenti?</translation>
    </message>
    <message>
        <source>The file manager could not open %1</source>
        <translation>Il gestore dei file non ha potuto aprire %1</translation>
    </message>
</context>
<context>
    <name>q7582::SiteOverview</name>
    <message>
        <source> (partial)</source>
        <translation> (parziale)</translation>
    </message>
    <message>
        <source>Site Overview</source>
        <translation>Panoramica del sito</translation>
    </message>
    <message>
        <source>Newest Upload</source>
        <translation>Ultimo Upload</translation>
    </message>
    <message>
        <source>Newest Download</source>
        <translation>Ultimo Download</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Collegato</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>collegato</translation>
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
    <name>q7582::TimelineOpener</name>
    <message>
        <source>Open recording</source>
        <translation>Apri registrazione</translation>
    </message>
</context>
<context>
    <name>q7582::TimelineWindow</name>
    <message>
        <source>%1%2 - Timeline</source>
        <translation>%1%2 - Linea temporale</translation>
    </message>
    <message>
        <source>&amp;Previous change</source>
        <translation>Variazione &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>Variazione &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Whole recording</source>
        <translation>Registrazione &amp;intera</translation>
    </message>
    <message>
        <source>&amp;Commissioning record</source>
        <translation>&amp;Verbale di collaudo</translation>
    </message>
    <message>
        <source>What followed each input that went on in the span in view</source>
        <translation>Che cosa è seguito a ogni ingresso attivato nel tratto visibile</translation>
    </message>
    <message>
        <source>&amp;Hide lane</source>
        <translation>&amp;Nascondi riga</translation>
    </message>
    <message>
        <source>&amp;Show all lanes</source>
        <translation>&amp;Mostra tutte le righe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The commissioning record could not be made:
%1</source>
        <translation>Non si è potuto creare il verbale di collaudo:
%1</translation>
    </message>
    <message>
        <source>%1 to %2 (%3 of %4)</source>
        <translation>da %1 a %2 (%3 di %4)</translation>
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
